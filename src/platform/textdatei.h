// Text files of the model: whole file in, lines out; lines in, bytes out.
#pragma once

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

// The file's bytes, or nullopt with the system's reason in `grund`.
std::optional<std::string> LeseDatei(const std::string& pfad, std::string* grund = nullptr);

// Replaces the file by the bytes, or leaves the old file whole: the bytes go into a new file in
// the same folder, which then takes the old one's name (and permissions). false with the system's
// reason in `grund` when that fails.
bool ErsetzeDatei(const std::string& pfad, std::string_view bytes, std::string* grund = nullptr);

// The path with its extension (from the last "." of the file name on) replaced by `endung`,
// which starts with "."; appended when the name has none.
std::string Begleitdatei(const std::string& pfad, std::string_view endung);

}  // namespace quintor
