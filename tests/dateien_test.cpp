// The model files: Windows-1252 text, line ends, companion file names, the settings file.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "profil.h"
#include "textdatei.h"
#include "win1252.h"

using namespace quintor;

namespace {

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

}  // namespace
