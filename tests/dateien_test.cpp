// The model files: Windows-1252 text, line ends, companion file names, the settings file,
// replacing a file whole, a model read into the document and saved again.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dokument.h"
#include "modelldateien.h"
#include "profil.h"
#include "test_hilfen.h"
#include "textdatei.h"
#include "win1252.h"

using namespace quintor;

namespace {

std::string Inhalt(const std::string& pfad) {
    const Gelesen g = LeseDatei(pfad, SIZE_MAX);
    return g ? g.bytes : "<fehlt>";
}

TEST(Win1252, EinzelneZeichen) {
    const struct {
        char byte;
        std::string utf8;
    } faelle[] = {
        {'\x80', "€"},        {'\x9F', "Ÿ"}, {'\xC4', "Ä"},
        {'\xE4', "ä"},        {'\xDF', "ß"}, {'\xA0', "\xC2\xA0"},
        {'\xFF', "ÿ"},        {'A', "A"},    {'\0', std::string(1, '\0')},
        {'\x81', "\xC2\x81"},  // no character in Windows-1252: the control character of that number
    };
    for (const auto& f : faelle) {
        const std::string byte(1, f.byte);
        EXPECT_EQ(Win1252ZuUtf8(byte), f.utf8) << int(static_cast<unsigned char>(f.byte));
        EXPECT_EQ(Utf8ZuWin1252(f.utf8), byte) << f.utf8;
    }
}

TEST(Win1252, AlleBytesHinUndZurueck) {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
    const std::string utf8 = Win1252ZuUtf8(alle);
    EXPECT_EQ(Utf8ZuWin1252(utf8), alle);
    EXPECT_EQ(Utf8ZuWin1252(alle.substr(0, 128)), alle.substr(0, 128));
}

TEST(Win1252, NichtDarstellbarOderKaputt) {
    for (const char* text : {
             "Ω", "A😀", "\xEF\xBB\xBF",            // no Windows-1252 character
             "\x80", "\xC4", "A\xC3", "\xE2\x82",  // stray or cut-off sequences
             "\xC3\x41", "\xF8\x88\x80\x80\x80", "\xFE", "\xC0\x80", "\xC1\x81",
             "\xE0\x83\xA4",  // overlong forms of NUL, A, ä
         })
        EXPECT_EQ(Utf8ZuWin1252(text), std::nullopt) << ::testing::PrintToString(std::string(text));
}

TEST(Win1252, Bytefolgemarke) {
    EXPECT_EQ(DateitextZuUtf8("\xEF\xBB\xBFX:=\xC3\x84"), "X:=Ä");
    EXPECT_EQ(DateitextZuUtf8("\xEF\xBB\xBF"), "");
    EXPECT_EQ(DateitextZuUtf8("\xC3\x84"), "Ã„");  // without the mark the bytes are Windows-1252
    EXPECT_EQ(DateitextZuUtf8("X\xEF\xBB\xBF"), "Xï»¿");  // a mark counts only at the start
    EXPECT_EQ(DateitextZuUtf8("\xEF\xBB"), "ï»");
    EXPECT_EQ(DateitextZuUtf8(""), "");
}

TEST(Textdatei, TeileZeilen) {
    using Z = std::vector<std::string>;
    const struct {
        std::string text;
        Z zeilen;
    } faelle[] = {{"", {""}},
                  {"A", {"A"}},
                  {"A\r\nB", {"A", "B"}},
                  {"A\rB\nC\r\nD", {"A", "B", "C", "D"}},
                  {"A\r\n", {"A", ""}},
                  {"A\n\r", {"A", "", ""}},  // LF then CR: two breaks
                  {"\r\r\n\n", {"", "", "", ""}},
                  {"A\r\n\r\nB", {"A", "", "B"}},
                  {std::string("A\0B\r\n", 5), {std::string("A\0B", 3), ""}}};
    for (const auto& f : faelle)
        EXPECT_EQ(TeileZeilen(f.text), f.zeilen) << ::testing::PrintToString(f.text);
}

TEST(Textdatei, Begleitdatei) {
    const struct {
        std::string pfad, ini;
    } faelle[] = {{"/home/lehrer/Pendel.sim", "/home/lehrer/Pendel.ini"},
                  {"Pendel.SIM", "Pendel.ini"},
                  {"/a.b/c.d/Pendel.sim", "/a.b/c.d/Pendel.ini"},
                  {"/a.b/Pendel", "/a.b/Pendel.ini"},
                  {"Pendel", "Pendel.ini"},
                  {"Pendel.alt.sim", "Pendel.alt.ini"},
                  {"Pendel.", "Pendel.ini"},
                  {"/a/.sim", "/a/.ini"}};
    for (const auto& f : faelle) EXPECT_EQ(Begleitdatei(f.pfad, ".ini"), f.ini) << f.pfad;
    EXPECT_EQ(Begleitdatei("/a.b/Pendel.sim", ".doc"), "/a.b/Pendel.doc");
}

TEST(Profildatei, TexteLesen) {
    const Profildatei p = Profildatei::AusText(
        "X=vor jedem Abschnitt\r\n"
        "[startWERTE]\r\n"
        "X=1,5\r\n"
        "\r\n"
        "  dt  =  0,1  \r\n"
        "ohne Gleichheitszeichen\r\n"
        "X=2\r\n"
        "LEER=\r\n"
        "A=b=c\r\n"
        "[Koordinatensystem]\n"
        "x1=  -2.000\n"
        "Streckenzug=true");
    const struct {
        const char *abschnitt, *schluessel, *wert;
    } faelle[] = {{"Startwerte", "x", "1,5"},  // first entry wins, case does not count
                  {"STARTWERTE", "DT", "0,1"},
                  {"Startwerte", "leer", ""},  // present but empty: not the default
                  {"Startwerte", "A", "b=c"},
                  {"Startwerte", "x1", "vorgabe"},
                  {"Koordinatensystem", "X1", "-2.000"},
                  {"koordinatensystem", "Streckenzug", "true"},
                  {"Koordinatensystem", "X", "vorgabe"},
                  {"Fehlt", "X", "vorgabe"},
                  {"Startwerte", "ohne Gleichheitszeichen", "vorgabe"}};
    for (const auto& f : faelle)
        EXPECT_EQ(p.LiesText(f.abschnitt, f.schluessel, "vorgabe"), f.wert)
            << f.abschnitt << "/" << f.schluessel;
}

// A value is read up to 2047 characters; an umlaut is one character, as in the file.
TEST(Profildatei, WertHoechstens2047Zeichen) {
    const Profildatei ascii = Profildatei::AusText("[S]\r\nK=" + std::string(3000, '7'));
    EXPECT_EQ(ascii.LiesText("S", "K", ""), std::string(2047, '7'));

    const Profildatei umlaute =
        Profildatei::AusText(Win1252ZuUtf8("[S]\r\nK=" + std::string(2100, '\xE4')));
    std::string erwartet;
    for (int i = 0; i < 2047; ++i) erwartet += "ä";
    const std::string gelesen = umlaute.LiesText("S", "K", "");
    EXPECT_TRUE(gelesen == erwartet) << gelesen.size() << " bytes instead of " << erwartet.size();
    EXPECT_TRUE(Utf8ZuWin1252(gelesen).has_value()) << "a character cut in half";
}

TEST(Profildatei, Ganzzahlen) {
    auto zahl = [](const std::string& text) {
        return Profildatei::AusText("[Koordinatensystem]\r\nPunktmodul=" + text)
            .LiesZahl("Koordinatensystem", "PunktModul", 99);
    };
    const std::pair<const char*, std::int32_t> gut[] = {{"12", 12},
                                                        {"-3", -3},
                                                        {"0x1F", 31},
                                                        {"0X1f", 31},
                                                        {"$ff", 255},
                                                        {"  7  ", 7},
                                                        {"0", 0},
                                                        {"2147483647", INT32_MAX},
                                                        {"-2147483648", INT32_MIN}};
    for (const auto& [text, wert] : gut) EXPECT_EQ(zahl(text), wert) << '"' << text << '"';
    // Anything else, out of range included, gives the default.
    for (const char* text : {"12abc", "", "-", "0x", "$", "1 2", "1.5", "1e3", "0xG", "true",
                             "2147483648", "-2147483649", "99999999999999999999", "0x100000000"})
        EXPECT_EQ(zahl(text), 99) << '"' << text << '"';
    EXPECT_EQ(Profildatei::AusText("").LiesZahl("Koordinatensystem", "horizontal", 0), 0);
}

// Writing a text file: Windows-1252 when it holds every character, else the mark and UTF-8;
// whatever is written reads back as the same text.
TEST(Dateitext, Schreiben) {
    const std::string marke = "\xEF\xBB\xBF";
    const struct {
        std::string text, bytes;
    } faelle[] = {
        {"", ""},
        {"ä", "\xE4"},
        {"X:=X+1\r\n€ Ÿ", "X:=X+1\r\n\x80 \x9F"},
        {"\xC2\x81", "\x81"},  // a control character of 0x80..0x9F keeps its byte
        {"Ω", marke + "\xCE\xA9"},
        {"ä Ω", marke + "\xC3\xA4 \xCE\xA9"},  // all of the file in UTF-8, not just the Ω
        {"A😀", marke + "A\xF0\x9F\x98\x80"},
        {"\xEF\xBB\xBF", marke + marke},  // a text starting with U+FEFF
        {"ï»¿X", marke + "ï»¿X"},         // in Windows-1252 these bytes would pass for the mark
        {"ï»", "\xEF\xBB"},
        {"A\xC3", marke + "A\xC3"},  // malformed UTF-8: kept byte for byte
        {"\xC0\x80\xFF", marke + "\xC0\x80\xFF"},
    };
    for (const auto& f : faelle) {
        const std::string bytes = Utf8ZuDateitext(f.text);
        EXPECT_EQ(bytes, f.bytes) << ::testing::PrintToString(f.text);
        EXPECT_EQ(DateitextZuUtf8(bytes), f.text) << ::testing::PrintToString(f.text);
    }
    EXPECT_EQ(Utf8ZuDateitext("ä", Dateikodierung::Utf8MitMarke), marke + "\xC3\xA4");
    EXPECT_EQ(Utf8ZuDateitext("", Dateikodierung::Utf8MitMarke), marke);
    EXPECT_EQ(KodierungVon(marke + "x"), Dateikodierung::Utf8MitMarke);
    EXPECT_EQ(KodierungVon("\xEF\xBB"), Dateikodierung::Win1252);
}

TEST(Textdatei, ZeilenMitCrLf) {
    using Z = std::vector<std::string>;
    const struct {
        Z zeilen;
        std::string text;
    } faelle[] = {{{}, ""},
                  {{""}, ""},
                  {{"", ""}, "\r\n"},
                  {{"A", "B"}, "A\r\nB"},
                  {{"A", ""}, "A\r\n"},  // a last empty line is the break after the text
                  {{"A\nB", "C\rD\r\nE"}, "A\r\nB\r\nC\r\nD\r\nE"},
                  {{"A\n\r"}, "A\r\n\r\n"}};
    for (const auto& f : faelle)
        EXPECT_EQ(ZeilenMitCrLf(f.zeilen), f.text) << ::testing::PrintToString(f.zeilen);
    EXPECT_EQ(DateitextZuZeilen("A\rB\n\xE4\r\n"), (Z{"A", "B", "ä", ""}));
    EXPECT_EQ(ZeilenZuDateitext({"A", "ä"}), "A\r\n\xE4");
    EXPECT_EQ(ZeilenZuDateitext({"Ω"}), "\xEF\xBB\xBFΩ");
    // Any break is read as one, and written as CR LF.
    EXPECT_EQ(ZeilenZuDateitext(DateitextZuZeilen("A\nB\rC\r\n")), "A\r\nB\r\nC\r\n");
}

// Every example model and comment, read into lines and written again, keeps its bytes, also
// with a break after the last line.
TEST(Textdatei, BeispieleZeilenweiseUnveraendert) {
    int anzahl = 0;
    for (const auto& d : std::filesystem::directory_iterator(QUINTOR_BEISPIELE)) {
        if (d.path().extension() != ".sim" && d.path().extension() != ".doc") continue;
        ++anzahl;
        const std::string bytes = LeseDatei(d.path().string(), SIZE_MAX).bytes;
        for (const std::string& b : {bytes, bytes + "\r\n", "\xEF\xBB\xBF" + bytes + "Ω"})
            EXPECT_EQ(ZeilenZuDateitext(DateitextZuZeilen(b)), b) << d.path();
    }
    EXPECT_GE(anzahl, 6);
}

class Ersetzen : public ::testing::Test {
  protected:
    std::filesystem::path ordner;
    void SetUp() override {
        std::string muster =
            (std::filesystem::temp_directory_path() / "quintor-dateien-XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }
    std::size_t Dateizahl() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(ordner),
                                                      std::filesystem::directory_iterator()));
    }
};

TEST_F(Ersetzen, NeuUndErsetztMitRechten) {
    const std::string pfad = (ordner / "Pendel.sim").string();
    ASSERT_TRUE(ErsetzeDatei(pfad, std::string("X:=1\r\n\0\xE4", 8)));
    EXPECT_EQ(Inhalt(pfad), std::string("X:=1\r\n\0\xE4", 8));
    std::filesystem::permissions(pfad, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    ASSERT_TRUE(ErsetzeDatei(pfad, ""));
    EXPECT_EQ(Inhalt(pfad), "");
    EXPECT_EQ(std::filesystem::status(pfad).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(Dateizahl(), 1u) << "no file left behind";
}

TEST_F(Ersetzen, FehlerLaesstAlteDatei) {
    std::string grund;
    EXPECT_FALSE(ErsetzeDatei((ordner / "fehlt" / "a.sim").string(), "x", &grund));
    EXPECT_EQ(grund, "Die Datei oder der Ordner existiert nicht.");
    // A folder in the way: the rename fails, the folder stays and no new file is left.
    std::filesystem::create_directory(ordner / "a.ini");
    grund.clear();
    EXPECT_FALSE(ErsetzeDatei((ordner / "a.ini").string(), "x", &grund));
    EXPECT_FALSE(grund.empty());
    EXPECT_TRUE(std::filesystem::is_directory(ordner / "a.ini"));
    EXPECT_EQ(Dateizahl(), 1u);
}

// Nothing is read blindly: a file beyond the bound is refused by its size, before it is read,
// and a file without a size (a device, a pipe) is read to one byte beyond the bound. (The
// messages are checked where they are shown.)
TEST_F(Ersetzen, GroesseVorDemLesen) {
    const std::string grenze = (ordner / "grenze.sim").string(),
                      gross = (ordner / "g.sim").string();
    std::ofstream(grenze) << std::string(kGroessteTextdatei, 'A');
    std::ofstream(gross).close();
    std::filesystem::resize_file(gross, std::uintmax_t{1} << 30);  // sparse: 1 GB, no disk used
    const struct {
        std::string pfad;
        Lesefehler fehler;
        std::uint64_t groesse;
    } faelle[] = {{grenze, Lesefehler::Keiner, kGroessteTextdatei},
                  {gross, Lesefehler::ZuGross, std::uint64_t{1} << 30},
                  {"/dev/zero", Lesefehler::ZuGross, 0}};
    for (const auto& f : faelle) {
        const Gelesen g = LeseTextdatei(f.pfad);
        EXPECT_EQ(g.fehler, f.fehler) << f.pfad;
        EXPECT_EQ(g.groesse, f.groesse) << f.pfad;
    }
}

// The same test for every model file: no NUL, at most 1 % control characters, no UTF-16.
TEST(Textdatei, WasKeinTextIst) {
    const std::pair<std::string, Lesefehler> faelle[] = {
        {"X:=1\r\n\tY:=2\f\x1A\xC3\x84", Lesefehler::Keiner},
        {std::string(98, 'x') + "\x01\x7F", Lesefehler::Keiner},  // one control character in 100
        {std::string(98, 'x') + "\x01\x02", Lesefehler::KeinText},
        {std::string("X:=1\0", 5), Lesefehler::KeinText},
        {std::string("\xFF\xFE[\0S\0]\0", 8), Lesefehler::Utf16},
        {std::string("\xFE\xFF\0[\0S\0]", 8), Lesefehler::Utf16},
    };
    for (const auto& [bytes, art] : faelle)
        EXPECT_EQ(PruefeText(bytes), art) << ::testing::PrintToString(bytes);
}

// A folder that takes no new file: the old file is written in place, so the user can still
// save; a file that is not there yet cannot be made. A link stays a link.
TEST_F(Ersetzen, OrdnerOhneNeueDateienSchreibtAnOrt) {
    const std::string pfad = (ordner / "a.sim").string(), neu = (ordner / "neu.doc").string();
    ASSERT_TRUE(ErsetzeDatei(pfad, "alt, und etwas länger"));
    const auto rechte = std::filesystem::status(pfad).permissions();
    const auto inode = [&] {
        struct stat info {};
        return ::stat(pfad.c_str(), &info) == 0 ? info.st_ino : 0;
    };
    const auto vorher = inode();
    struct Zuruecksetzen {
        ~Zuruecksetzen() { testFehlerBeimAnlegen = 0; }
    } zuruecksetzen;
    testFehlerBeimAnlegen = EACCES;
    EXPECT_TRUE(ErsetzeDatei(pfad, "neu"));
    EXPECT_EQ(Inhalt(pfad), "neu");
    EXPECT_EQ(std::filesystem::status(pfad).permissions(), rechte);
    EXPECT_EQ(inode(), vorher) << "the same file, written in place";
    std::string grund;
    EXPECT_FALSE(ErsetzeDatei(neu, "x", &grund));
    EXPECT_EQ(grund, "Zugriff verweigert.");
    EXPECT_EQ(Dateizahl(), 1u);

    testFehlerBeimAnlegen = 0;
    std::filesystem::create_symlink("a.sim", ordner / "link.sim");
    EXPECT_TRUE(ErsetzeDatei((ordner / "link.sim").string(), "über den Link"));
    EXPECT_TRUE(std::filesystem::is_symlink(ordner / "link.sim"));
    EXPECT_EQ(Inhalt(pfad), "über den Link");
}

// The same without the seam, where the system enforces permissions (not for root).
TEST_F(Ersetzen, OrdnerOhneSchreibrecht) {
    if (geteuid() == 0) GTEST_SKIP() << "root may create files in any folder";
    const std::string pfad = (ordner / "a.sim").string();
    ASSERT_TRUE(ErsetzeDatei(pfad, "alt"));
    std::filesystem::permissions(ordner, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const bool ok = ErsetzeDatei(pfad, "neu");
    std::filesystem::permissions(ordner, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Inhalt(pfad), "neu");
}

// A model with foreign keys and sections, in Windows-1252 and in UTF-8, read into the document
// and saved again: every file keeps its bytes, and reading leaves the model unchanged.
TEST_F(Ersetzen, ModellHinUndZurueck) {
    const std::string ini1252 =
        "[STARTWERTE]\r\n\xC4=1,5\r\n  v = -2 "
        "\r\nALT=7\r\ndt=\r\n\r\n[Fremd]\r\nschl\xFCssel=wert\r\n"
        "[Koordinatensystem]\r\nhorizontal=1\r\nvertikal=2\r\nx1=  -2.000\r\nx2=   2.000\r\n"
        "y1=-1.0E+0003\r\ny2=   5.000\r\nStreckenzug=false\r\nPunktModul=3\r\n";
    const std::string faelle[][3] = {
        {"\xC4:=\xC4+V*DT\r\nV:=V-\xC4*DT", ini1252, "Notiz \xE4\r\n"},
        {"\xEF\xBB\xBFX:=X+1", "\xEF\xBB\xBF[Startwerte]\nX=\xC3\xA4\n[K]\nY=1",
         "\xEF\xBB\xBF\xCE\xA9"}};
    const std::string sim = (ordner / "m.sim").string();
    const std::string pfade[] = {sim, (ordner / "m.ini").string(), (ordner / "m.doc").string()};
    for (const auto& f : faelle) {
        for (int k = 0; k < 3; ++k) std::ofstream(pfade[k], std::ios::binary) << f[k];
        test::Protokoll p;
        Dokument d;
        const std::optional<Modelltext> text = LeseModelldatei(sim, p);
        ASSERT_TRUE(text);
        d.SetzeZeilen(text->zeilen);
        d.SetzeDateiname(sim);
        d.Scanne(p);
        d.Gesichert();
        EXPECT_EQ(LeseEinstellungen(d, p), Einstellungen::Gelesen);
        EXPECT_FALSE(d.Geaendert());
        const auto zeilen = LeseKommentar(sim, p);
        ASSERT_TRUE(zeilen);
        std::string kommentar;
        for (const std::string& z : *zeilen) kommentar += (kommentar.empty() ? "" : "\n") + z;
        d.SetzeKommentar(kommentar);
        EXPECT_TRUE(SpeichereModell(d, text->kodierung, p));
        EXPECT_FALSE(d.Geaendert());
        EXPECT_EQ(p.Texte(), std::vector<std::string>{});
        for (int k = 0; k < 3; ++k) EXPECT_EQ(Inhalt(pfade[k]), f[k]);
    }
}

// What the settings file gives a changed document: start-value texts by name (also across the
// next scan), limits in pairs, and a message for what cannot be read.
TEST_F(Ersetzen, EinstellungenLesen) {
    const std::string sim = (ordner / "m.sim").string(), ini = (ordner / "m.ini").string();
    std::ofstream(sim) << "X:=X+V";
    const std::string utf16("\xFF\xFE[\0S\0]\0", 8);
    const struct {
        std::string ini;  // "" for none
        Einstellungen ergebnis;
        std::string meldung, x, v;
        float x1, y1;
    } faelle[] = {
        {"", Einstellungen::Keine, "", "3", "0", -10, -10},
        {utf16, Einstellungen::Fehlerhaft,
         "Die Datei " + ini + " ist keine Einstellungsdatei:\nSie ist in UTF-16 geschrieben.", "3",
         "0", -10, -10},
        {"[Startwerte]\r\nV=4\r\n[Koordinatensystem]\r\nx1=1E39\r\nx2=abc\r\ny1=-1",
         Einstellungen::Gelesen, "Gleitkommaüberlauf", "0", "4", -10, -10},
        {"[Koordinatensystem]\r\nx1=5\r\nx2=5\r\ny1=abc\r\ny2=3", Einstellungen::Gelesen,
         "Fehler bei Zahleingabe", "0", "0", -10, 0},
    };
    for (const auto& f : faelle) {
        std::filesystem::remove(ini);
        if (!f.ini.empty()) std::ofstream(ini, std::ios::binary) << f.ini;
        test::Protokoll p;
        Dokument d;
        d.SetzeZeilen({"X:=X+V"});
        d.Scanne(p);
        d.SetzeDateiname(sim);
        d.SetzeStartwerttext(1, "3");
        EXPECT_EQ(LeseEinstellungen(d, p), f.ergebnis) << f.ini;
        EXPECT_EQ(p.Texte(), f.meldung.empty() ? std::vector<std::string>{}
                                               : std::vector<std::string>{f.meldung});
        EXPECT_EQ(d.Startwerttext(1) + " " + d.Startwerttext(2), f.x + " " + f.v) << f.ini;
        EXPECT_EQ(std::make_pair(d.Graph().x1, d.Graph().y1), std::make_pair(f.x1, f.y1)) << f.ini;
        EXPECT_TRUE(d.Geaendert()) << f.ini;
        d.SetzeZeilen({"K:=V"});
        d.Scanne(p);
        EXPECT_EQ(d.Startwerttext(1) + " " + d.Startwerttext(2), "0 " + f.v) << f.ini;
    }
}

// The stop condition goes into a section of its own, which keeps what else the file has; taken
// away, the file keeps the section with no variable, which reads as none.
TEST_F(Ersetzen, AbbruchbedingungHinUndZurueck) {
    const std::string sim = (ordner / "m.sim").string(), ini = (ordner / "m.ini").string();
    const std::string vorher = "[Startwerte]\r\nY=1\r\n[Abbruchbedingung]\r\nFremd=1\r\n";
    const std::optional<Abbruchbedingung> faelle[] = {
        Abbruchbedingung{"Y", Abbruchbedingung::KleinerGleich, -2.5f}, std::nullopt};
    const std::string danach[] = {vorher + "Variable=Y\r\nVergleich=<=\r\nWert=-2.5\r\n",
                                  vorher + "Variable=\r\nVergleich=<=\r\nWert=-2.5\r\n"};
    std::ofstream(ini, std::ios::binary) << vorher;
    for (int k = 0; k < 2; ++k) {
        test::Protokoll p;
        Dokument d;
        d.SetzeZeilen({"Y:=Y-1"});
        d.Scanne(p);
        d.SetzeDateiname(sim);
        d.SetzeStartwerttext(1, "1");
        d.SetzeAbbruch(faelle[k]);
        ASSERT_TRUE(SpeichereModell(d, Dateikodierung::Win1252, p));
        EXPECT_EQ(Inhalt(ini), danach[k]);
        Dokument neu;
        neu.SetzeZeilen({"Y:=Y-1"});
        neu.Scanne(p);
        neu.SetzeDateiname(sim);
        neu.SetzeAbbruch(Abbruchbedingung{"X", Abbruchbedingung::Groesser, 1});
        EXPECT_EQ(LeseEinstellungen(neu, p), Einstellungen::Gelesen);
        EXPECT_EQ(neu.Abbruch(), faelle[k]);
        EXPECT_EQ(p.Texte(), std::vector<std::string>{});
    }
    std::ofstream(ini, std::ios::binary) << "[Abbruchbedingung]\r\nVariable=Y\r\nVergleich==\r\n";
    test::Protokoll p;
    Dokument d;
    d.SetzeZeilen({"Y:=Y-1"});
    d.Scanne(p);
    d.SetzeDateiname(sim);
    EXPECT_EQ(LeseEinstellungen(d, p), Einstellungen::Gelesen);
    EXPECT_FALSE(d.Abbruch());
    EXPECT_EQ(p.Texte(), std::vector<std::string>{"Die Abbruchbedingung in " + ini +
                                                  " ist fehlerhaft und wird nicht verwendet."});
}

// The graph's step limit and further curves: in a section of their own, written only where not
// the defaults or already in the file (a file without it keeps its bytes), read tolerantly.
TEST_F(Ersetzen, Graphzusatz) {
    const std::string sim = (ordner / "m.sim").string(), ini = (ordner / "m.ini").string();
    std::ofstream(sim) << "Y:=Y+VY*DT";
    const std::string kopf =
        "[Startwerte]\r\nY=1\r\nVY=1\r\nDT=0\r\n[Koordinatensystem]\r\nhorizontal=3\r\n"
        "vertikal=1\r\nx1= -10.000\r\nx2=  10.000\r\ny1= -10.000\r\ny2=  10.000\r\n"
        "Streckenzug=true\r\nPunktmodul=1\r\n";
    const std::string z = "[Graphzusatz]\r\n";
    const struct {
        std::string werte;  // on/off, limit, curves
        bool warnt;
        std::string gelesen, geschrieben;  // the section as read and as saved again
    } faelle[] = {
        {"false 1000", false, "", ""},
        {"true 143 2 3", false, "SchrittgrenzeAn=true\r\nSchrittgrenze=143\r\nWeitereKurven=2,3",
         ""},
        {"false 50 3 1", false, "Schrittgrenze= 50 \r\nWeitereKurven=3, 9,0,1",
         "Schrittgrenze= 50 \r\nWeitereKurven=3,1"},
        {"false 1000", true, "SchrittgrenzeAn=ja\r\nSchrittgrenze=0\r\nWeitereKurven=1,2,3,1,2,3",
         "SchrittgrenzeAn=false\r\nSchrittgrenze=1000\r\nWeitereKurven="},
    };
    for (const auto& f : faelle) {
        const auto abschnitt = [&z](const std::string& s) {
            return s.empty() ? s : z + s + "\r\n";
        };
        std::ofstream(ini, std::ios::binary) << kopf + abschnitt(f.gelesen);
        test::Protokoll p;
        test::Testmodell t({"Y:=Y+VY*DT", "VY:=VY-9.81*DT"});
        t.d.SetzeDateiname(sim);
        Graphwerte vorher;  // not the defaults, so that each value is read
        vorher.SchrittgrenzeAn = true;
        vorher.WeitereKurven = {2};
        t.d.SetzeGraph(vorher);
        EXPECT_EQ(LeseEinstellungen(t.d, p), Einstellungen::Gelesen);
        const Graphwerte& g = t.d.Graph();
        std::string werte =
            (g.SchrittgrenzeAn ? "true " : "false ") + std::to_string(g.Schrittgrenze);
        for (const std::int32_t i : g.WeitereKurven) werte += " " + std::to_string(i);
        EXPECT_EQ(werte, f.werte) << f.gelesen;
        EXPECT_EQ(p.Texte().size(), f.warnt ? 1u : 0u) << f.gelesen;
        ASSERT_TRUE(SpeichereModell(t.d, Dateikodierung::Win1252, p));
        EXPECT_EQ(Inhalt(ini), kopf + abschnitt(f.geschrieben.empty() ? f.gelesen : f.geschrieben));
    }
}

}  // namespace
