#include "frame/language/text_format.h"

#include <cinttypes>
#include <cstdio>

#include "base/qb_strings.h"

namespace frame {

namespace {

std::int64_t AsInteger(const TFormatArg& a) {
  const auto& v = a.Value();
  if (auto i = std::get_if<std::int64_t>(&v)) return *i;
  if (auto d = std::get_if<double>(&v)) return static_cast<std::int64_t>(*d);
  int parsed = 0;
  return qb::TryParseInt(std::get<std::string>(v), parsed) ? parsed : 0;
}

double AsNumber(const TFormatArg& a) {
  const auto& v = a.Value();
  if (auto i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
  if (auto d = std::get_if<double>(&v)) return *d;
  double parsed = 0;
  return qb::TryParseFloat(std::get<std::string>(v), parsed) ? parsed : 0;
}

std::string AsText(const TFormatArg& a) {
  const auto& v = a.Value();
  if (auto i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
  if (auto d = std::get_if<double>(&v)) return qb::Format("%g", *d);
  return std::get<std::string>(v);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatWithArgs(std::string_view fmt, const std::vector<TFormatArg>& args) {
  std::string out;
  size_t next = 0;
  size_t i = 0;
  while (i < fmt.size()) {
    char c = fmt[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 < fmt.size() && fmt[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    // Parse one conversion; j walks over it.
    size_t j = i + 1;
    auto number = [&](int& value) {
      bool any = false;
      value = 0;
      while (j < fmt.size() && IsDigit(fmt[j])) {
        if (value < 10000) value = value * 10 + (fmt[j] - '0');
        ++j;
        any = true;
      }
      return any;
    };
    size_t argIndex = next;
    int n = 0;
    size_t save = j;
    if (number(n) && j < fmt.size() && fmt[j] == ':') {
      argIndex = static_cast<size_t>(n);
      ++j;
    } else {
      j = save;
    }
    std::string flags;
    while (j < fmt.size() && (fmt[j] == '-' || fmt[j] == '0')) flags += fmt[j++];
    int width = 0, precision = -1;
    number(width);
    if (j < fmt.size() && fmt[j] == '.') {
      ++j;
      number(precision);
    }
    if (j >= fmt.size()) {
      out.append(fmt.substr(i));
      break;
    }
    char conv = fmt[j];
    std::string spec = "%" + flags + (width > 0 ? std::to_string(width) : std::string()) +
                       (precision >= 0 ? "." + std::to_string(precision) : std::string());
    const TFormatArg* arg = argIndex < args.size() ? &args[argIndex] : nullptr;
    switch (conv) {
      case 'd':
      case 'u':
      case 'x':
      case 'X':
        if (arg) {
          std::string f = spec + (conv == 'd' || conv == 'u' ? std::string(PRId64) : conv == 'x' ? PRIx64 : PRIX64);
          out += qb::Format(f.c_str(), AsInteger(*arg));
        }
        break;
      case 'f':
      case 'e':
      case 'g':
      case 'n':
        if (arg) {
          std::string f = spec + (conv == 'n' ? 'f' : conv);
          out += qb::Format(f.c_str(), AsNumber(*arg));
        }
        break;
      case 's':
        if (arg) {
          std::string f = spec + "s";
          out += qb::Format(f.c_str(), AsText(*arg).c_str());
        }
        break;
      default:
        out.append(fmt.substr(i, j + 1 - i));
        i = j + 1;
        continue;
    }
    next = argIndex + 1;
    i = j + 1;
  }
  return out;
}

}  // namespace frame
