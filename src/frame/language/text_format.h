// Formatting of language texts with arguments. The format comes from a language file, so it is
// never handed to printf as it is: each conversion is checked and takes the next argument,
// converted to what the conversion asks for; a missing argument gives an empty text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace frame {

class TFormatArg {
 public:
  TFormatArg(int v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(long v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(long long v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(unsigned v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(double v) : value_(v) {}
  TFormatArg(const char* v) : value_(std::string(v ? v : "")) {}
  TFormatArg(std::string_view v) : value_(std::string(v)) {}
  TFormatArg(const std::string& v) : value_(v) {}

  const std::variant<std::int64_t, double, std::string>& Value() const { return value_; }

 private:
  std::variant<std::int64_t, double, std::string> value_;
};

// Conversions: "%%", and "%" [index ":"] ["-" | "0"] [width] ["." precision] then one of
// d u x X (integers), f e g n (numbers), s (text). Anything else is copied as it stands.
std::string FormatWithArgs(std::string_view format, const std::vector<TFormatArg>& args);

}  // namespace frame
