#include <gtest/gtest.h>

#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"

using namespace lnx;

namespace {
struct Read {
  std::shared_ptr<TQbLenex> doc;
  TQbXmlElementPtr root;
  const std::vector<std::string>& errors() const { return doc->GetErrors(); }
};

Read ReadText(const std::string& text) {
  auto reader = TQbLenexReaderDefault::FromText(text);
  Read r;
  r.doc = TQbLenex::FromReader(*reader, true);
  r.root = r.doc->GetRoot();
  return r;
}

TQbXmlElementPtr Meet(const Read& r) { return r.root->GetOrCreateChild("MEETS")->GetChild(0); }
}  // namespace

TEST(LenexReader, VersionRule) {
  struct Case {
    const char* version;
    int major;
  } cases[] = {{"3.0", 3}, {"2.5", 2}, {"3.5", 4}, {"", 2}, {"1.0", 1}, {"abc", 2}};
  for (const auto& c : cases) {
    std::string attr = *c.version ? std::string(" version=\"") + c.version + "\"" : "";
    auto r = ReadText("<LENEX" + attr + "></LENEX>");
    EXPECT_EQ(r.doc->GetVersion(), c.major) << c.version;
    EXPECT_TRUE(r.errors().empty());
  }
}

TEST(LenexReader, VersionElementOneStopsReading) {
  auto r = ReadText("<LENEX><Version>01.05</Version><MEETS><MEET name=\"x\" /></MEETS></LENEX>");
  EXPECT_EQ(r.doc->GetVersion(), 1);
  EXPECT_FALSE(r.root->HasChild("MEETS"));
  // Only a direct child of the root counts.
  auto deeper = ReadText("<LENEX version=\"3.0\"><X><VERSION>01.0</VERSION></X></LENEX>");
  EXPECT_EQ(deeper.doc->GetVersion(), 3);
}

TEST(LenexReader, ValuesAreTrimmedAndEntitiesReplaced) {
  auto r = ReadText(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LENEX version=\"3.0\"><MEETS>"
      "<MEET name=\"A &amp;amp; B\" city=\" x \" nation=\"  \" state=\"&#x4E;&#79;\">"
      "<POOL lanemin=\"1\" lanemax=\"8\"/><COMMENT>  Note&#10;&#10;</COMMENT></MEET></MEETS></LENEX>");
  ASSERT_TRUE(r.errors().empty()) << r.errors()[0];
  auto meet = Meet(r);
  EXPECT_EQ(meet->GetAttribute("name"), "A & B");
  EXPECT_EQ(meet->GetAttribute("city"), "x");
  EXPECT_FALSE(meet->HasAttribute("nation"));
  EXPECT_EQ(meet->GetAttribute("state"), "NO");
  auto pool = meet->GetChild(0);
  EXPECT_EQ(pool->GetAttributeNames(), (std::vector<std::string>{"lanemin", "lanemax"}));
  EXPECT_EQ(pool->GetChildCount(), 0);
  EXPECT_EQ(meet->GetChild(1)->GetText(), "Note");
  EXPECT_EQ(r.doc->GetEncoding(), kEncodingUtf8);
}

TEST(LenexReader, EncodingsBecomeUtf8) {
  auto latin = ReadText("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><LENEX><MEETS><MEET name=\"M\xfcller\"/>"
                        "</MEETS></LENEX>");
  EXPECT_EQ(Meet(latin)->GetAttribute("name"), "Müller");
  EXPECT_EQ(latin.doc->GetEncoding(), kEncodingOther);
  auto ce = ReadText("<?xml version=\"1.0\" encoding=\"windows-1250\"?><LENEX><MEETS><MEET name=\"\x8a\"/>"
                     "</MEETS></LENEX>");
  EXPECT_EQ(Meet(ce)->GetAttribute("name"), "Š");
  EXPECT_EQ(ce.doc->GetEncoding(), kEncodingWindows1250);
  // Single quotes around the name are not a declaration: valid UTF-8 stays, code stays 0.
  auto quoted = ReadText("<?xml version='1.0' encoding='UTF-8'?><LENEX><MEETS><MEET name=\"Noè\"/></MEETS></LENEX>");
  EXPECT_EQ(Meet(quoted)->GetAttribute("name"), "Noè");
  EXPECT_EQ(quoted.doc->GetEncoding(), kEncodingOther);
  auto none = ReadText("<LENEX><MEETS><MEET name=\"No\xe8\"/></MEETS></LENEX>");
  EXPECT_EQ(Meet(none)->GetAttribute("name"), "Noè");
}

TEST(LenexReader, DocumentTypeDeclarationAndCommentsAreSkipped) {
  auto r = ReadText("<!DOCTYPE LENEX [ <!ENTITY x \"y\"> ]>\n<!-- made by hand -->\n"
                    "<LENEX version=\"3.0\"><MEETS><!-- c --><MEET name=\"x\" /></MEETS></LENEX>");
  EXPECT_TRUE(r.errors().empty());
  ASSERT_NE(Meet(r), nullptr);
  EXPECT_EQ(Meet(r)->GetAttribute("name"), "x");
}

TEST(LenexReader, OtherFirstElementGivesAnEmptyDocument) {
  auto r = ReadText("<SOMETHING><MEETS><MEET/></MEETS></SOMETHING>");
  EXPECT_TRUE(r.errors().empty());
  EXPECT_EQ(r.doc->GetMeets()->GetCount(), 0);
}

TEST(LenexReader, MessagesAndRecoveries) {
  struct Case {
    const char* text;
    std::vector<std::string> errors;
  } cases[] = {
      {"<LENEX>\n<MEETS>\n</MEET>\n</MEETS></LENEX>", {"Line 3: Unexpected tag: /MEET !"}},
      {"<LENEX><MEETS><MEET name='x' /></MEETS></LENEX>",
       // The token after the stray name is dropped, so the tag stays open and the end tags mismatch.
       {"Line 3: Quote \" expected !", "Line 3: = expected !", "Line 3: Value expected !",
        "Line 3: Unexpected tag: /MEETS !", "Line 3: Unexpected tag: /LENEX !"}},
      {"<LENEX><MEETS><MEET name", {"Line 3: Value expected !"}},
      {"<LENEX><MEETS><MEET name=\"x></MEETS></LENEX>", {"Line 3: Quote \" expected !"}},
      {"<LENEX><MEETS></MEETS x></LENEX>", {"Line 2: > expected !"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadText(c.text).errors(), c.errors) << c.text;
}

TEST(LenexReader, LinesNeverFallBelowTheStartTagCount) {
  auto r = ReadText("<LENEX><A><B><C></D></C></B></A></LENEX>");
  ASSERT_EQ(r.errors().size(), 1u);
  EXPECT_EQ(r.errors()[0], "Line 4: Unexpected tag: /D !");
  auto byLines = ReadText("<LENEX>\n\n\n\n<A>\n</B></A></LENEX>");
  EXPECT_EQ(byLines.errors()[0], "Line 6: Unexpected tag: /B !");
  EXPECT_EQ(byLines.root->GetChild(0)->GetLine(), 5);
}

TEST(LenexReader, HostileNestingIsBounded) {
  std::string deep = "<LENEX>";
  for (int i = 0; i < 100000; ++i) deep += "<A>";
  auto r = ReadText(deep);
  ASSERT_FALSE(r.errors().empty());
  EXPECT_NE(r.errors().back().find("nested too deeply"), std::string::npos);
}
