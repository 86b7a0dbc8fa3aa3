#include <gtest/gtest.h>

#include "lenex/model/qb_xml_element_intf.h"
#include "lenex/qb_text_writer.h"
#include "lenex/qb_xml_writer.h"

using namespace lnx;

namespace {
std::string Written(const TQbXmlElementPtr& e, bool lineBreaks, int level = 0) {
  TStringTextWriter w;
  e->WriteElement(level, w, lineBreaks);
  return w.Text();
}
}  // namespace

TEST(XmlWriter, ElementShapes) {
  auto pool = NewXmlElement("POOL");
  pool->SetAttribute("lanemin", "1");
  pool->SetAttribute("lanemax", " 8 ");
  EXPECT_EQ(Written(pool, true), "<POOL lanemin=\"1\" lanemax=\"8\" />\r\n");

  auto text = NewXmlElement("NAME");
  text->SetText("A & B");
  EXPECT_EQ(Written(text, true, 1), " <NAME>\r\n A &amp; B\r\n </NAME>\r\n");
  EXPECT_EQ(Written(text, false, 1), "<NAME>A &amp; B</NAME>");

  auto parent = NewXmlElement("MEETS");
  parent->AddNewChild("MEET")->SetAttribute("name", "<\"Cup\" 'o'>");
  EXPECT_EQ(Written(parent, true),
            "<MEETS>\r\n <MEET name=\"&lt;&quot;Cup&quot; &apos;o&apos;&gt;\" />\r\n</MEETS>\r\n");
}

TEST(XmlWriter, DocumentDeclaresUtf8) {
  auto root = NewXmlElement("LENEX");
  root->SetAttribute("version", "3.0");
  EXPECT_EQ(root->AsXmlText(false), "<?xml version=\"1.0\" encoding=\"UTF-8\"?><LENEX version=\"3.0\" />");
  EXPECT_EQ(EscapeXmlValue("  a&b  "), "a&amp;b");
}
