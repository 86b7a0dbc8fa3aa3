#include "lenex/reader/qb_lenex_text.h"

#include "base/code_pages.h"
#include "base/qb_strings.h"

namespace lnx {

TQbDeclaredEncoding TQbDeclaredEncoding::FromName(std::string_view name) {
  TQbDeclaredEncoding e;
  if (name.empty()) return e;
  if (qb::EqualsNoCaseAscii(name, "UTF-8")) {
    e.code = 2;
    return e;
  }
  e.codePage = 1252;
  if (qb::EqualsNoCaseAscii(name, "Windows-1250")) {
    e.code = 1;
    e.codePage = 1250;
  } else if (qb::StartsWithNoCaseAscii(name, "windows-125") && name.size() == 12 && name[11] >= '1' &&
             name[11] <= '8') {
    e.codePage = 1250 + (name[11] - '0');
  }
  return e;
}

std::string EncodingNameOf(std::string_view pi) {
  size_t p = pi.find("encoding");
  if (p == std::string_view::npos) return {};
  std::string_view rest = qb::TrimView(pi.substr(p + 8));
  p = rest.find('=');
  if (p == std::string_view::npos) return {};
  rest = qb::TrimView(rest.substr(p + 1));
  p = rest.find('"');
  if (p == std::string_view::npos) return {};
  rest = rest.substr(p + 1);
  p = rest.find('"');
  if (p == std::string_view::npos) return {};
  return qb::Trim(rest.substr(0, p));
}

namespace {

void AppendUtf8(std::string& out, unsigned long cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// "&#10;" and "&#xE9;" become their characters; malformed or unusable references stay as written.
std::string DecodeNumericReferences(const std::string& s) {
  if (s.find("&#") == std::string::npos) return s;
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '&' && i + 2 < s.size() && s[i + 1] == '#') {
      size_t j = i + 2;
      bool hex = j < s.size() && (s[j] == 'x' || s[j] == 'X');
      if (hex) ++j;
      unsigned long cp = 0;
      size_t digits = 0;
      while (j < s.size() && digits < 8) {
        char c = s[j];
        int d = (c >= '0' && c <= '9') ? c - '0'
                : hex && (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : hex && (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                 : -1;
        if (d < 0) break;
        cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(d);
        ++digits;
        ++j;
      }
      bool usable = digits > 0 && j < s.size() && s[j] == ';' && cp != 0 && cp <= 0x10FFFF &&
                    !(cp >= 0xD800 && cp <= 0xDFFF);
      if (usable) {
        AppendUtf8(out, cp);
        i = j + 1;
        continue;
      }
    }
    out += s[i++];
  }
  return out;
}

}  // namespace

void DecodeLenexText(std::string_view raw, const TQbDeclaredEncoding& encoding, std::string& out) {
  std::string_view v = qb::TrimView(raw);
  bool high = false, entities = false;
  for (char c : v) {
    high |= static_cast<unsigned char>(c) >= 0x80;
    entities |= c == '&';
  }
  if (!high && !entities) {
    out.assign(v);
    return;
  }
  std::string text;
  if (!high)
    text.assign(v);
  else if (encoding.codePage != 0)
    text = qb::CodePageToUtf8(v, encoding.codePage);
  else
    text = qb::Utf8OrWindows1252(v);  // UTF-8 declared or nothing declared
  if (entities) {
    // Repeated until none is left, so a doubly escaped "&amp;amp;" also ends as "&".
    while (text.find("&amp;") != std::string::npos) text = qb::ReplaceAll(text, "&amp;", "&");
    text = qb::ReplaceAll(text, "&lt;", "<");
    text = qb::ReplaceAll(text, "&gt;", ">");
    text = qb::ReplaceAll(text, "&quot;", "\"");
    text = qb::ReplaceAll(text, "&apos;", "'");
    text = DecodeNumericReferences(text);
    out = qb::Trim(text);
    return;
  }
  out = std::move(text);
}

}  // namespace lnx
