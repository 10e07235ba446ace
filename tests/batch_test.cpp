// The batch runner quintor-batch: table text, options, messages, exit codes, bad files.
#include "batch.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "textdatei.h"
#include "win1252.h"
#include "zahltext.h"

using namespace quintor;
namespace fs = std::filesystem;

namespace {

struct Lauf {
    int status;
    std::string aus, fehler;
};

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream s(text);
    for (std::string zeile; std::getline(s, zeile);) z.push_back(zeile);
    return z;
}

std::string Lies(const fs::path& p) {
    const Gelesen g = LeseDatei(p.string(), SIZE_MAX);
    return g ? g.bytes : "<fehlt>";
}

class Batch : public ::testing::Test {
  protected:
    fs::path ordner;

    void SetUp() override {
        std::string muster = (fs::temp_directory_path() / "quintor-batch-XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
    }
    void TearDown() override { fs::remove_all(ordner); }

    // Writes the bytes as they are (no conversion, no line ends added).
    std::string Datei(const std::string& name, const std::string& bytes) {
        const fs::path p = ordner / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    static Lauf Start(const std::vector<std::string>& argumente) {
        std::ostringstream aus, fehler;
        const int status = Batchlauf(argumente, aus, fehler);
        return {status, aus.str(), fehler.str()};
    }
    // The real program, with its exit status.
    Lauf Programm(const std::string& argumente) {
        const fs::path aus = ordner / "aus.txt", fehler = ordner / "fehler.txt";
        const std::string befehl = std::string("'") + QUINTOR_BATCH + "' " + argumente + " >'" +
                                   aus.string() + "' 2>'" + fehler.string() + "'";
        const int r = std::system(befehl.c_str());
        return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Lies(aus), Lies(fehler)};
    }
    static std::string Beispiel(const std::string& name) {
        return std::string(QUINTOR_BEISPIELE) + "/" + name + ".sim";
    }
};

// The value text of one table column: number right-aligned in 10, then two blanks.
std::string Spalte(float x) {
    return Zahltext(x, kTabellenformat) + "  ";
}

TEST_F(Batch, OszillatorTabelleExakt) {
    const Lauf l = Start({"-n", "3", Beispiel("oszillator")});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(l.aus,
              "  X           V           DT        \n"
              "\n"
              "     1.000   0.0E+0000       0.100  \n"
              "     1.000      -0.100       0.100  \n"
              "     0.990      -0.199       0.100  \n");
}

// Values before each step: at least one step, every (k+1)-th written.
TEST_F(Batch, ZeilenzahlUndAuslassen) {
    const std::string m = Datei("z.sim", "T:=T+1");
    const struct {
        std::vector<std::string> optionen;
        std::vector<float> werte;
    } faelle[] = {{{"-n", "0"}, {0}},
                  {{"-n", "1"}, {0}},
                  {{"-n", "4"}, {0, 1, 2, 3}},
                  {{"-k", "2", "-n", "10"}, {0, 3, 6, 9}},
                  {{"-k", "1000", "-n", "5"}, {0}},
                  {{}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}}};
    for (const auto& f : faelle) {
        std::vector<std::string> arg = f.optionen;
        arg.push_back(m);
        const Lauf l = Start(arg);
        std::vector<std::string> erwartet{"  T         ", ""};
        for (float w : f.werte) erwartet.push_back(Spalte(w));
        EXPECT_EQ(Zeilen(l.aus), erwartet) << ::testing::PrintToString(f.optionen);
    }
}

TEST_F(Batch, SpaltenInGewaehlterReihenfolge) {
    const Lauf l = Start({"-c", "dt,x", "-n", "2", Beispiel("oszillator")});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(Zeilen(l.aus),
              (std::vector<std::string>{"  DT          X         ", "", Spalte(0.1f) + Spalte(1),
                                        Spalte(0.1f) + Spalte(1)}));
    for (const char* c : {"X,Q", "X,", "", "X;V"}) {
        const Lauf u = Start({"-c", c, Beispiel("oszillator")});
        EXPECT_EQ(u.status, 2) << c;
        EXPECT_EQ(u.aus, "") << c;
        EXPECT_EQ(u.fehler.rfind("Fehler: ", 0), 0u) << c;
    }
}

TEST_F(Batch, StartwerteAufDerKommandozeile) {
    // Name in any case, decimal comma, split at the first "=".
    Lauf l = Start({"--ergebnis", "-n", "1", "-s", "dt=0,5", "-s", "X=2", Beispiel("oszillator")});
    EXPECT_EQ(l.aus, "X =    2.000\nV =   -1.000\nDT =    0.500\n");
    l = Start({"--ergebnis", "-n", "0", "-s", "X==1", "-s", "V=", Beispiel("oszillator")});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.aus, "X =  0.0E+0000\nV =  0.0E+0000\nDT =    0.100\n");
    EXPECT_EQ(l.fehler, "Fehler: Fehler bei Zahleingabe\nFehler: Fehler bei Zahleingabe\n");
    for (const char* s : {"Q=1", "X", "=1"}) {
        l = Start({"-s", s, Beispiel("oszillator")});
        EXPECT_EQ(l.status, 2) << s;
        EXPECT_EQ(l.aus, "") << s;
    }
}

TEST_F(Batch, GenauKuerzesteTexteMitTabs) {
    const std::string m = Datei("g.sim", "X:=-X\r\nY:=1E30\r\nZ:=Z+0.1\r\nW:=W+1/3");
    const Lauf l = Start({"--genau", "-n", "2", m});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.aus, "X\tY\tZ\tW\n0\t0\t0\t0\n-0\t1e+30\t0.1\t0.33333334\n");
    EXPECT_EQ(Zeilen(Start({"--genau", "-n", "0", Beispiel("oszillator")}).aus),
              (std::vector<std::string>{"X\tV\tDT", "1\t0\t0.1"}));
}

// Like the table window's "Speichern als CSV…": byte-order mark, ";", decimal comma, CR LF.
TEST_F(Batch, CsvFuerTabellenkalkulation) {
    const Lauf l = Start({"--csv", "-n", "3", "-c", "V,X", Beispiel("oszillator")});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.aus, "\xEF\xBB\xBFV;X\r\n0;1\r\n-0,1;1\r\n-0,199;0,99\r\n");
}

TEST_F(Batch, ErgebnisNachNSchritten) {
    const std::string m = Datei("e.sim", "T:=T+1\r\nU:=U-T");
    EXPECT_EQ(Start({"--ergebnis", "-n", "0", m}).aus, "T =  0.0E+0000\nU =  0.0E+0000\n");
    EXPECT_EQ(Start({"--ergebnis", "-n", "4", m}).aus, "T =    4.000\nU =  -10.000\n");
    EXPECT_EQ(Start({"--ergebnis", "-n", "5", "-s", "T=995", m}).aus,
              "T =  1.0E+0003\nU = -5.0E+0003\n");
}

// A throw with DT = 0,2 from Y = 1, VY = 1, by hand: Y 1.2, 1.0076, 0.4228, -0.5544 and VY
// -0.962, -2.924, -4.886, -6.848. Step 4 meets Y < 0: its values are the last line, also when -k
// skips it; the count ends the run first when it is smaller.
TEST_F(Batch, AbbruchbedingungWurf) {
    const std::string m = Datei("w.sim", "Y:=Y+VY*DT\r\nVY:=VY-9.81*DT");
    Datei("w.ini", "[Startwerte]\r\nY=1\r\nVY=1\r\nDT=0,2\r\n");
    const auto zeile = [](float y, float vy) { return Spalte(y) + Spalte(vy) + Spalte(0.2f); };
    const std::vector<std::string> alle{zeile(1, 1), zeile(1.2f, -0.962f), zeile(1.008f, -2.924f),
                                        zeile(0.423f, -4.886f), zeile(-0.554f, -6.848f)};
    const std::string info = "Informationen: Abbruch: Y < 0 nach 4 Schritten\n";
    const struct {
        std::vector<std::string> optionen;
        std::vector<std::string> zeilen;
        std::string fehler;
    } faelle[] = {
        {{"--bis", "Y<0"}, alle, info},
        {{"--bis", "y < 0,0", "-k", "2"}, {alle[0], alle[3], alle[4]}, info},
        {{"--bis", "Y<0", "-n", "3"}, {alle[0], alle[1], alle[2]}, ""},
        {{"--bis", "VY<=-2.924"},
         {alle[0], alle[1], alle[2]},
         "Informationen: Abbruch: VY <= -2,924 nach 2 Schritten\n"},
    };
    for (const auto& f : faelle) {
        std::vector<std::string> arg = f.optionen;
        arg.push_back(m);
        const Lauf l = Start(arg);
        std::vector<std::string> erwartet{"  Y           VY          DT        ", ""};
        erwartet.insert(erwartet.end(), f.zeilen.begin(), f.zeilen.end());
        EXPECT_EQ(l.status, 0);
        EXPECT_EQ(Zeilen(l.aus), erwartet) << ::testing::PrintToString(f.optionen);
        EXPECT_EQ(l.fehler, f.fehler) << ::testing::PrintToString(f.optionen);
    }
    Lauf l = Start({"--bis", "Y<0", "--ergebnis", m});
    EXPECT_EQ(l.aus, "Y =   -0.554\nVY =   -6.848\nDT =    0.200\n");
    EXPECT_EQ(l.fehler, info);
    l = Start({"--bis", "Y<0", "--genau", m});
    EXPECT_EQ(Zeilen(l.aus).size(), 6u);
    // A condition saved with the model counts, "keine" runs without it.
    Datei("w.ini",
          "[Startwerte]\r\nY=1\r\nVY=1\r\nDT=0,2\r\n[Abbruchbedingung]\r\n"
          "Variable=y\r\nVergleich=<\r\nWert=0\r\n");
    EXPECT_EQ(Start({m}).fehler, info);
    EXPECT_EQ(Zeilen(Start({"--bis", "keine", m}).aus).size(), 22u);
    const std::pair<const char*, const char*> fehler[] = {
        {"Q<0", "Fehler: Die Abbruchbedingung \"Q < 0\" nennt keine Variable des Modells.\n"},
        {"Y=0", "Fehler: In der Abbruchbedingung \"Y=0\" fehlt der Vergleich"}};
    for (const auto& [b, meldung] : fehler) {
        l = Start({"--bis", b, m});
        EXPECT_EQ(l.status, 2) << b;
        EXPECT_EQ(l.aus, "") << b;
        EXPECT_EQ(l.fehler.rfind(meldung, 0), 0u) << l.fehler;
    }
}

// Start-value texts from the companion file, as Open reads them.
TEST_F(Batch, StartwerteAusDerIniDatei) {
    const struct {
        std::string ini;
        std::vector<std::string> optionen;
        std::string x, meldung;
    } faelle[] = {
        {"", {}, " 0.0E+0000", ""},  // no companion file
        {"[Startwerte]\r\nX=2,5\r\n", {}, "   2.500", ""},
        {"[STARTWERTE]\r\n  x  =  3  \r\n", {}, "   3.000", ""},
        {"\xEF\xBB\xBF[Startwerte]\nX=7", {}, "   7.000", ""},
        {"[Startwerte]\r\nX=1\r\nX=2\r\n", {}, "   1.000", ""},
        {"[Startwerte]\r\nV=1\r\n[Andere]\r\nX=4\r\n", {}, " 0.0E+0000", ""},
        {"[Startwerte]\r\nX=abc\r\n", {}, " 0.0E+0000", "Fehler: Fehler bei Zahleingabe\n"},
        {"[Startwerte]\r\nX=2\r\n", {"-s", "X=-3"}, "  -3.000", ""}};
    for (const auto& f : faelle) {
        fs::remove(ordner / "s.ini");
        if (!f.ini.empty()) Datei("s.ini", f.ini);
        std::vector<std::string> arg = f.optionen;
        for (const char* a : {"--ergebnis", "-n", "0"}) arg.push_back(a);
        arg.push_back(Datei("s.sim", "X:=X"));
        const Lauf l = Start(arg);
        EXPECT_EQ(l.status, 0) << f.ini;
        EXPECT_EQ(l.aus, "X = " + f.x + "\n") << f.ini;
        EXPECT_EQ(l.fehler, f.meldung) << f.ini;
    }
}

TEST_F(Batch, MeldungAlsEineZeile) {
    const Lauf l = Start({"-n", "1", Datei("d.sim", "X:=1\r\nX:=2")});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.fehler, "Warnung: Die Variable X taucht auf der linken Seite doppelt auf.\n");
}

// The 13th step would store 1E39: the run ends, what was written stays.
TEST_F(Batch, UeberlaufBeendetDenLauf) {
    const std::string m = Datei("u.sim", "X:=X*1000");
    Lauf l = Start({"-s", "X=1", m});
    EXPECT_EQ(l.status, 3);
    std::vector<std::string> z = Zeilen(l.aus);
    ASSERT_EQ(z.size(), 15u);
    EXPECT_EQ(z[2], Spalte(1));
    EXPECT_EQ(z[14], " 1.0E+0036  ");
    EXPECT_EQ(l.fehler, "Fehler: Gleitkommaüberlauf\n");

    l = Start({"--ergebnis", "-s", "X=1", m});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.aus, "X =  1.0E+0036\n");

    l = Start({"--genau", "-s", "X=1", "-k", "5", m});
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.aus, "X\n1\n1e+18\n9.999999e+35\n");  // the single product, not 1e36

    l = Start({"-s", "X=1E39", m});  // already the start value
    EXPECT_EQ(l.status, 3);
    EXPECT_EQ(l.aus, "");
    EXPECT_EQ(l.fehler, "Fehler: Gleitkommaüberlauf\n");
}

// The scan stopped: a message and nothing on standard output.
TEST_F(Batch, ModellFehler) {
    std::string vieleGleichungen, vieleVariable;
    for (int i = 0; i < 101; ++i) vieleGleichungen += "X:=X+1\r\n";
    // The first pass reports lines 2..100 before line 101 ends it.
    std::string doppelt;
    for (int i = 2; i <= 100; ++i)
        doppelt += "Warnung: Die Variable X taucht auf der linken Seite doppelt auf.\n";
    for (int i = 1; i <= 101; ++i) vieleVariable += "V" + std::to_string(i) + ":=0\r\n";
    const struct {
        std::string modell, meldung;
    } faelle[] = {
        {"", "Fehler: Die Modelldatei enthält keine Gleichung.\n"},
        {"\r\n\n\r", "Fehler: Die Modelldatei enthält keine Gleichung.\n"},
        {"X:=1\r\nY", "Fehler: In der Zeile 2 fehlt das :=.\n"},
        {"X:=1\r\n\r\nY=2",
         "Fehler: In der Zeile 2 fehlt das :=.\n"},  // after removing empty lines
        {vieleGleichungen, doppelt + "Fehler: Zu viele Gleichungen! Die Maximalzahl ist 100.\n"},
        {vieleVariable,
         "Fehler: Zu viele Variable! Die Maximalzahl ist 100.\n"},  // the 101st left side
    };
    for (const auto& f : faelle) {
        const Lauf l = Start({Datei("f.sim", f.modell)});
        EXPECT_EQ(l.status, 1) << f.modell.substr(0, 20);
        EXPECT_EQ(l.aus, "");
        EXPECT_EQ(l.fehler, f.meldung);
    }
}

TEST_F(Batch, AufrufFehler) {
    const std::string m = Beispiel("oszillator");
    const std::string fehlt = (ordner / "fehlt.sim").string();
    // M: the model, F: a missing file, D: a folder.
    for (const std::string aufruf :
         {"", "-n -1 M", "-n abc M", "-n 1x M", "M -n", "-k 1001 M", "--seed 4294967296 M",
          "--bogus M", "M M", "--genau --ergebnis M", "--csv --genau M", "F", "D"}) {
        std::vector<std::string> arg;
        std::istringstream woerter(aufruf);
        for (std::string w; woerter >> w;)
            arg.push_back(w == "M" ? m : w == "F" ? fehlt : w == "D" ? ordner.string() : w);
        const Lauf l = Start(arg);
        EXPECT_EQ(l.status, 2) << ::testing::PrintToString(arg);
        EXPECT_EQ(l.aus, "");
        EXPECT_EQ(l.fehler.rfind("Fehler: ", 0), 0u) << l.fehler;
    }
    EXPECT_NE(Start({fehlt}).fehler.find("kann nicht geöffnet werden."), std::string::npos);
    const Lauf hilfe = Start({"--help"});
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_EQ(hilfe.aus.rfind("Aufruf: quintor-batch", 0), 0u);
}

// Files that are not plain models: a plain model or a clear message, never a crash.
TEST_F(Batch, SeltsameDateien) {
    // Not text, as Open sees it: a NUL, or a binary file.
    std::string binaer;
    for (std::uint32_t s = 1, i = 0; i < 4096; ++i)
        binaer.push_back(static_cast<char>((s = s * 1103515245u + 12345u) >> 24));
    for (const std::string& bytes : {std::string("A:=A+1\r\nB:=\0", 12), binaer}) {
        const Lauf l = Start({Datei("bin.sim", bytes)});
        EXPECT_EQ(l.status, 2);
        EXPECT_EQ(l.aus, "");
        EXPECT_EQ(l.fehler, "Fehler: Die Datei " + (ordner / "bin.sim").string() +
                                " ist keine Modelldatei: Sie enthält keinen Text.\n");
    }

    // One line of nearly 1 MB: the compiler keeps its first 128 characters, so Q never becomes
    // a name.
    const std::size_t fast = kGroessteTextdatei - 16;
    Lauf l = Start({"-n", "2", Datei("lang.sim", "T:=T+1" + std::string(fast, ' ') + "+Q")});
    EXPECT_EQ(l.aus, "  T         \n\n" + Spalte(0) + "\n" + Spalte(1) + "\n");

    std::string leerzeilen(fast / 2, '\n');
    l = Start({"-n", "2", Datei("leer.sim", leerzeilen + "T:=T+1" + leerzeilen)});
    EXPECT_EQ(l.aus, "  T         \n\n" + Spalte(0) + "\n" + Spalte(1) + "\n");

    std::string viele;
    while (viele.size() < fast) viele += "X:=X+1\r\n";
    l = Start({Datei("viele.sim", viele)});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.fehler.size(), 99 * 65 + 55u);
    EXPECT_EQ(l.fehler.substr(99 * 65), "Fehler: Zu viele Gleichungen! Die Maximalzahl ist 100.\n");
}

// Nothing is read blindly: the model and its settings file are checked by their size before
// they are read, and a settings file the program cannot read is reported, not ignored.
TEST_F(Batch, ZuGrosseUndFremdeDateien) {
    const std::string gross = (ordner / "gross.sim").string();
    std::ofstream(gross).close();
    fs::resize_file(gross, std::uintmax_t{1} << 30);  // sparse: 1 GB, no disk used
    const Lauf p = Programm("'" + gross + "'");       // the real program: no abort
    EXPECT_EQ(p.status, 2);
    EXPECT_EQ(p.fehler, "Fehler: Die Datei " + gross +
                            " ist keine Modelldatei: Sie ist 1048576 KB groß, erlaubt sind 1024 "
                            "KB.\n");

    const std::string modell = Datei("m.sim", "X:=X");
    const std::string ini = (ordner / "m.ini").string();
    const struct {
        std::string bytes, grund;
    } faelle[] = {
        {std::string("\xFF\xFE[\0S\0]\0", 8), "Sie ist in UTF-16 geschrieben."},
        {std::string(kGroessteTextdatei + 1, '\n'), "Sie ist 1025 KB groß, erlaubt sind 1024 KB."},
    };
    for (const auto& f : faelle) {
        Datei("m.ini", f.bytes);
        const Lauf l = Start({"--ergebnis", modell});
        EXPECT_EQ(l.status, 2) << f.grund;
        EXPECT_EQ(l.aus, "");
        EXPECT_EQ(l.fehler,
                  "Fehler: Die Datei " + ini + " ist keine Einstellungsdatei: " + f.grund + "\n");
    }
}

// A table that cannot be written (a full disk, a reader that went away) is an error, never a
// success with a table cut short.
TEST_F(Batch, AusgabefehlerSindFehler) {
    const std::string osz = "'" + Beispiel("oszillator") + "'";
    const fs::path status = ordner / "status.txt", fehler = ordner / "fehler.txt";
    const auto lauf = [&](const std::string& argumente, const std::string& ziel) {
        // The status of the program itself, not of the pipeline.
        const std::string befehl = "{ '" + std::string(QUINTOR_BATCH) + "' " + argumente + " 2>'" +
                                   fehler.string() + "'; echo $? >'" + status.string() + "'; } " +
                                   ziel;
        std::system(befehl.c_str());
        return Lauf{std::stoi(Lies(status)), "", Lies(fehler)};
    };
    const std::string voll =
        "Fehler: Die Ausgabe kann nicht geschrieben werden. Der Datenträger "
        "ist voll.\n";
    const struct {
        std::string argumente, ziel, fehler;
    } faelle[] = {
        {"-n 3 " + osz, ">/dev/full", voll},
        {"--ergebnis " + osz, ">/dev/full", voll},
        {"--help", ">/dev/full", voll},
        {"-s X=1 '" + Datei("u.sim", "X:=X*1000") + "'", ">/dev/full", voll},  // overflow too
        // Far more than a pipe holds: the writer meets the closed end whenever the reader goes.
        {"-n 200000 " + osz, "| true",
         "Fehler: Die Ausgabe kann nicht geschrieben werden. Der Empfänger hat die Pipe "
         "geschlossen.\n"},
    };
    for (const auto& f : faelle) {
        const Lauf l = lauf(f.argumente, f.ziel);
        EXPECT_EQ(l.status, 2) << f.argumente << f.ziel;
        EXPECT_EQ(l.fehler, f.fehler) << f.argumente << f.ziel;
    }
}

TEST_F(Batch, ZeilenendenGleichwertig) {
    const std::vector<std::string> arg{"-s", "X=1", "-s", "DT=0,1", "-n", "5"};
    auto lauf = [&](const std::string& text) {
        std::vector<std::string> a = arg;
        a.push_back(Datei("l.sim", text));
        return Start(a).aus;
    };
    const std::string crlf = lauf("X:=X+V*DT\r\nV:=V-X*DT");
    ASSERT_EQ(Zeilen(crlf).size(), 7u);
    EXPECT_EQ(lauf("X:=X+V*DT\rV:=V-X*DT"), crlf);
    EXPECT_EQ(lauf("X:=X+V*DT\nV:=V-X*DT\n"), crlf);
    EXPECT_EQ(lauf("X:=X+V*DT\n\rV:=V-X*DT\r"), crlf);
    EXPECT_EQ(lauf("\xEF\xBB\xBFX:=X+V*DT\r\nV:=V-X*DT"), crlf);  // UTF-8 with byte-order mark
}

TEST_F(Batch, UmlautImNamen) {
    Datei("a.ini", "[Startwerte]\r\n\xC4=5\r\n");
    const Lauf l = Start({"-n", "0", Datei("a.sim", "\xC4:=\xC4+1")});
    // Ä is one character: the column stays 12 characters wide.
    EXPECT_EQ(l.aus, "  Ä         \n\n" + Spalte(5) + "\n");
    EXPECT_EQ(Start({"--ergebnis", "-n", "1", "-s", "Ä=2", (ordner / "a.sim").string()}).aus,
              "Ä =    3.000\n");
}

TEST_F(Batch, ProgrammUndExitstatus) {
    const std::string osz = Beispiel("oszillator");
    Lauf p = Programm("-n 3 '" + osz + "'");
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.aus, Start({"-n", "3", osz}).aus);

    p = Programm("'" + Datei("f.sim", "X:=1\r\nY") + "'");
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.aus, "");

    EXPECT_EQ(Programm("-c X,Q '" + osz + "'").status, 2);

    p = Programm("-s X=1 '" + Datei("u.sim", "X:=X*1000") + "'");
    EXPECT_EQ(p.status, 3);
    EXPECT_EQ(Zeilen(p.aus).size(), 15u);
    EXPECT_EQ(p.fehler, "Fehler: Gleitkommaüberlauf\n");
}

// Every example: the file format, and a clean run of the real program.
TEST_F(Batch, Beispiele) {
    for (const std::string name : {"oszillator", "fall", "wachstum"}) {
        const std::string basis = std::string(QUINTOR_BEISPIELE) + "/" + name;
        const Lauf p = Programm("'" + basis + ".sim'");
        EXPECT_EQ(p.status, 0) << name;
        EXPECT_EQ(p.fehler, "") << name;
        EXPECT_EQ(Zeilen(p.aus).size(), 22u) << name;

        for (const char* endung : {".sim", ".ini", ".doc"}) {
            const std::string bytes = Lies(basis + endung);
            for (std::size_t i = 0; i < bytes.size(); ++i)
                if (bytes[i] == '\n') {
                    ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << endung;
                }
            const bool endetMitUmbruch =
                bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n";
            EXPECT_EQ(endetMitUmbruch, std::string(endung) == ".ini") << name << endung;
        }
        // [Startwerte] holds the variables in table order.
        const std::vector<std::string> ini = TeileZeilen(Win1252ZuUtf8(Lies(basis + ".ini")));
        const std::string namen = Zeilen(Programm("--genau -n 0 '" + basis + ".sim'").aus).at(0);
        std::string schluessel;
        ASSERT_EQ(ini.at(0), "[Startwerte]");
        for (std::size_t i = 1; i < ini.size() && ini[i] != "[Koordinatensystem]"; ++i)
            schluessel += (schluessel.empty() ? "" : "\t") + ini[i].substr(0, ini[i].find('='));
        EXPECT_EQ(schluessel, namen) << name;
    }
}

}  // namespace
