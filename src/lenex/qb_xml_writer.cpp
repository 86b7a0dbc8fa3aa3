#include "lenex/qb_xml_writer.h"

#include "base/qb_strings.h"
#include "lenex/model/qb_xml_element_intf.h"
#include "lenex/qb_text_writer.h"

namespace lnx {

std::string EscapeXmlValue(std::string_view value) {
  std::string_view v = qb::TrimView(value);
  std::string out;
  out.reserve(v.size());
  for (char c : v) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += c;
    }
  }
  return out;
}

void WriteXmlDeclaration(ITextWriter& writer, bool lineBreaks) {
  // Our text is UTF-8 throughout, so that is what we write and declare.
  writer.Write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  if (lineBreaks) writer.Write("\r\n");
}

namespace {
void WriteElementAt(const IQbXmlElement& e, int level, ITextWriter& w, bool lineBreaks) {
  const std::string indent = lineBreaks ? std::string(static_cast<size_t>(level), ' ') : std::string();
  const char* eol = lineBreaks ? "\r\n" : "";
  const std::string& name = AtomName(e.NameAtom());
  w.Write(indent);
  w.Write("<");
  w.Write(name);
  for (TQbAtom a : e.AttributeAtoms()) {
    if (a == kTextAtom) continue;
    std::string_view value = e.AttributeView(a);
    if (value.empty()) continue;
    w.Write(" ");
    w.Write(AtomName(a));
    w.Write("=\"");
    w.Write(EscapeXmlValue(value));
    w.Write("\"");
  }
  std::string_view text = e.AttributeView(kTextAtom);
  if (e.Children().empty() && text.empty()) {
    w.Write(" />");
    w.Write(eol);
    return;
  }
  w.Write(">");
  w.Write(eol);
  for (const auto& c : e.Children()) WriteElementAt(*c, level + 1, w, lineBreaks);
  if (!text.empty()) {
    w.Write(indent);
    w.Write(EscapeXmlValue(text));
    w.Write(eol);
  }
  w.Write(indent);
  w.Write("</");
  w.Write(name);
  w.Write(">");
  w.Write(eol);
}
}  // namespace

void WriteXmlElement(const IQbXmlElement& element, int level, ITextWriter& writer, bool lineBreaks) {
  WriteElementAt(element, level, writer, lineBreaks);
}

}  // namespace lnx
