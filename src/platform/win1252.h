// Windows-1252, the 8-bit code of the model files, to and from UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quintor {

// Every byte has a character; the five bytes without one in Windows-1252 map to the control
// characters of the same number, as the system's own conversion does, so nothing is lost.
std::string Win1252ZuUtf8(std::string_view bytes);

// nullopt when the text holds a character that Windows-1252 cannot hold.
std::optional<std::string> Utf8ZuWin1252(std::string_view text);

// Decodes a text file: UTF-8 when it starts with the UTF-8 byte-order mark (which is dropped),
// Windows-1252 otherwise.
std::string DateitextZuUtf8(std::string_view bytes);

}  // namespace quintor
