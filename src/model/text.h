// Small helpers for the UTF-8 texts that the core works on.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quintor {

// Number of characters: every byte that does not continue a UTF-8 sequence.
std::size_t Zeichenzahl(std::string_view s);

// The first n characters of s (all of s when it is shorter).
std::string_view ErsteZeichen(std::string_view s, std::size_t n);

// The letters a to z become A to Z; every other character stays as it is.
std::string Grossbuchstaben(std::string_view s);

// True when a equals the upper-case form of b (a to z only).
bool GleichGross(std::string_view a, std::string_view b);

}  // namespace quintor
