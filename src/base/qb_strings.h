// Small string helpers used everywhere in the core. Text is UTF-8 in std::string.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Blanks are the bytes 1..32, as in the LENEX scanner.
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32; }

std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);
std::string ToLowerAscii(std::string_view s);
std::string ToUpperAscii(std::string_view s);
bool EqualsNoCaseAscii(std::string_view a, std::string_view b);
bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
bool StartsWithNoCaseAscii(std::string_view s, std::string_view prefix);
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);
std::vector<std::string> Split(std::string_view s, char sep);

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* fmt, va_list args);

// Strict decimal integer: optional sign, digits, nothing else (blanks around are allowed).
// Answers false (and leaves out untouched) when the text is not such a number or overflows 32 bits.
bool TryParseInt(std::string_view s, int& out);
// Decimal number with "." as separator whatever the locale; optional exponent.
bool TryParseFloat(std::string_view s, double& out);

// Lower-cased extension including the dot (".lef"), or empty.
std::string ExtractFileExtLower(std::string_view path);
// The file name part of a path ('/' or '\\' separators).
std::string ExtractFileName(std::string_view path);

}  // namespace qb
