// How the LENEX scanner turns the raw bytes of character data and attribute values into text:
// trimmed, converted to UTF-8 from the declared encoding, entities replaced, trimmed again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lnx {

// The encoding the input declares, as found in its processing instructions.
struct TQbDeclaredEncoding {
  std::uint8_t code = 0;  // 0 other or none, 1 Windows-1250, 2 UTF-8
  int codePage = 0;       // the 8-bit code page to convert from; 0 = none declared
  static TQbDeclaredEncoding FromName(std::string_view name);
};

// The encoding name of a processing instruction's content: after "encoding", "=" and a double
// quote, up to the next double quote; empty when any of these is missing.
std::string EncodingNameOf(std::string_view instruction);

void DecodeLenexText(std::string_view raw, const TQbDeclaredEncoding& encoding, std::string& out);

}  // namespace lnx
