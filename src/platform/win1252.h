// Windows-1252, the 8-bit code of the model files, to and from UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quintor {

// Appends the UTF-8 bytes of the code point c.
void HaengeUtf8An(std::string& aus, char32_t c);

// Every byte has a character; the five bytes without one in Windows-1252 map to the control
// characters of the same number, as the system's own conversion does, so nothing is lost.
std::string Win1252ZuUtf8(std::string_view bytes);

// nullopt when the text holds a character that Windows-1252 cannot hold.
std::optional<std::string> Utf8ZuWin1252(std::string_view text);

// How a text file's bytes hold its characters.
enum class Dateikodierung { Win1252, Utf8MitMarke };

// Utf8MitMarke when the bytes start with the UTF-8 byte-order mark.
Dateikodierung KodierungVon(std::string_view bytes);

// Decodes a text file: UTF-8 when it starts with the UTF-8 byte-order mark (which is dropped),
// Windows-1252 otherwise.
std::string DateitextZuUtf8(std::string_view bytes);

// Encodes a text file so that DateitextZuUtf8 gives the text back unchanged: Windows-1252 when
// every character fits (and the bytes do not happen to start like the byte-order mark),
// otherwise the byte-order mark and the UTF-8 text. Malformed UTF-8 is kept byte for byte behind
// the mark. With Utf8MitMarke the file stays UTF-8 with the mark even when Windows-1252 would do.
std::string Utf8ZuDateitext(std::string_view utf8, Dateikodierung vorzug = Dateikodierung::Win1252);

}  // namespace quintor
