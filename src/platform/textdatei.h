// Text files of the model: whole file in, lines out; lines in, bytes out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win1252.h"

namespace quintor {

// Splits at CR LF, CR or LF. A text that ends with a line break ends with an empty line.
std::vector<std::string> TeileZeilen(std::string_view text);

// Joins lines with CR LF, with no break after the last line, as the model and comment files
// hold them. A break inside a line (CR, LF or CR LF) is written as CR LF too, so that the file
// reads back as the lines it shows. No lines and one empty line both give the empty text.
std::string ZeilenMitCrLf(const std::vector<std::string>& zeilen);

// Lines (UTF-8) of a .sim or .doc file to its bytes, and back. Bytes to lines to bytes gives the
// same bytes for every file whose breaks are CR LF and that has no byte-order mark before text
// that Windows-1252 could hold.
std::string ZeilenZuDateitext(const std::vector<std::string>& zeilen,
                              Dateikodierung vorzug = Dateikodierung::Win1252);
std::vector<std::string> DateitextZuZeilen(std::string_view bytes);

// The system's reason for a failed file operation, in German where we know the words.
std::string Systemgrund(int fehlernummer);

// The most bytes a model file, its settings file or its comment file may hold. A model has at
// most 100 lines, and the compiler reads 128 characters of a right side; 100 start values of at
// most 2047 characters fill 200 KB of a settings file. So a larger file is no such file, and it
// is refused before it is read.
inline constexpr std::size_t kGroessteTextdatei = std::size_t{1} << 20;

// What a file that was to be read turned out to be.
enum class Lesefehler {
    Keiner,
    NichtLesbar,  // the system refused; `grund` says why
    ZuGross,      // more than the allowed bytes; `groesse` as far as known
    KeinText,     // a NUL, or more than 1 % control characters
    Utf16,        // starts with a UTF-16 byte-order mark
};

struct Gelesen {
    std::string bytes;
    Lesefehler fehler = Lesefehler::Keiner;
    std::string grund;
    std::uint64_t groesse = 0;  // bytes on disk; 0 when the system does not know (a pipe)
    explicit operator bool() const { return fehler == Lesefehler::Keiner; }
};

// The file's bytes. A regular file larger than `hoechstens` is refused by its size before
// anything is read; any other file (a pipe, a device) is read up to one byte beyond the bound.
Gelesen LeseDatei(const std::string& pfad, std::size_t hoechstens);

// KeinText or Utf16 when the bytes are no text that the model files can hold, else Keiner.
Lesefehler PruefeText(std::string_view bytes);

// LeseDatei with kGroessteTextdatei, then PruefeText.
Gelesen LeseTextdatei(const std::string& pfad);

// The message for a file that could not be read as a file of its kind, e.g. "Modelldatei":
// "Datei P kann nicht geöffnet werden. <Grund>" or "Die Datei P ist keine <Art>:" and a second
// line with the reason. Empty when the file was read.
std::string Lesemeldung(const std::string& pfad, const Gelesen& g, std::string_view art);

// Replaces the file by the bytes, or leaves the old file whole: the bytes go into a new file in
// the same folder, which then takes the old one's name (and permissions). A symbolic link is
// followed, so the link stays. Where the folder allows no new file but the old file may be
// written, the bytes are written into the old file in place. false with the system's reason in
// `grund` when that fails.
bool ErsetzeDatei(const std::string& pfad, std::string_view bytes, std::string* grund = nullptr);

// For tests: when not 0, creating a new file beside the old one fails with this error number,
// as it does in a folder without write permission (which does not stop root).
extern int testFehlerBeimAnlegen;

// The path with its extension (from the last "." of the file name on) replaced by `endung`,
// which starts with "."; appended when the name has none.
std::string Begleitdatei(const std::string& pfad, std::string_view endung);

}  // namespace quintor
