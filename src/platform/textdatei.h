// Reading text files of the model: whole file in, lines out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintor {

// Splits at CR LF, CR or LF. A text that ends with a line break ends with an empty line.
std::vector<std::string> TeileZeilen(std::string_view text);

// The system's reason for a failed file operation, in German where we know the words.
std::string Systemgrund(int fehlernummer);

// The file's bytes, or nullopt with the system's reason in `grund`.
std::optional<std::string> LeseDatei(const std::string& pfad, std::string* grund = nullptr);

// The path with its extension (from the last "." of the file name on) replaced by `endung`,
// which starts with "."; appended when the name has none.
std::string Begleitdatei(const std::string& pfad, std::string_view endung);

}  // namespace quintor
