// Writing elements as LENEX XML text.
#pragma once

#include <string>
#include <string_view>

namespace lnx {

class IQbXmlElement;
class ITextWriter;

// Trims, then escapes & < > " ' (in that order).
std::string EscapeXmlValue(std::string_view value);
// "<?xml version="1.0" encoding="UTF-8"?>", with a line break when asked.
void WriteXmlDeclaration(ITextWriter& writer, bool lineBreaks);
// The element and its subtree, indented by one blank per level when line breaks are on.
void WriteXmlElement(const IQbXmlElement& element, int level, ITextWriter& writer, bool lineBreaks);

}  // namespace lnx
