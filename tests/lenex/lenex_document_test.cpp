#include <gtest/gtest.h>

#include "lenex/entities/lnx_meet.h"
#include "lenex/qb_item_collection.h"
#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"
#include "test_support.h"

using namespace lnx;

namespace {
// A reader of another format that builds its tree itself.
class HandMadeReader : public TQbLenexReaderMeet {
 public:
  using TQbLenexReaderMeet::TQbLenexReaderMeet;
  bool Read() override {
    StartDocument("Builder", "2.1", kEncodingUtf8, "3.0");
    auto meet = AddMeet("Hand Cup", 2);
    meet->GetOrCreateChild("CLUBS")->AddNewChild("CLUB")->GetOrCreateChild("ATHLETES")->AddNewChild("ATHLETE");
    warnings_.push_back("Line 1: kept");
    return true;
  }
  int GetVersion() const override { return 3; }
};

const char kSmallMeet[] =
    "<LENEX version=\"3.0\"><MEETS><MEET name=\"Cup &amp; Co\" city=\"Bern\"><SESSIONS/></MEET>"
    "</MEETS></LENEX>";
}  // namespace

TEST(LenexDocument, NewDocumentHasItsConstructor) {
  TQbLenex doc;
  EXPECT_EQ(doc.GetVersionText(), "2.0");
  EXPECT_EQ(doc.GetConstructorName(), "?");
  EXPECT_EQ(doc.GetFormatName(), "LENEX");
  EXPECT_EQ(doc.GetVersion(), 2);
  auto contact = doc.GetRoot()->GetOrCreateChild("CONSTRUCTOR")->GetOrCreateChild("CONTACT");
  for (const char* key : {"name", "street", "city", "zip", "country", "phone", "fax", "email", "internet"})
    EXPECT_TRUE(contact->HasAttribute(key)) << key;
  EXPECT_EQ(doc.GetMeets()->GetCount(), 0);
}

TEST(LenexDocument, ReaderClassesAndTheirDocuments) {
  RegisterReaderClass({"HandMadeReader", "HAND", [](const std::string& f) {
                         return std::make_unique<HandMadeReader>(f);
                       }});
  const TQbLenexReaderClass* cls = FindReaderClass("HandMadeReader");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(FindReaderClass("TQbLenexReaderDefault"), &DefaultLenexReaderClass());
  EXPECT_EQ(FindReaderClass("NoSuchReader"), nullptr);

  auto doc = ReadLenexDocument("ignored.any", cls);
  EXPECT_EQ(doc->GetFormatName(), "HAND");
  EXPECT_EQ(doc->GetConstructorName(), "Builder");
  EXPECT_EQ(doc->GetVersionText(), "3.0");
  EXPECT_EQ(doc->GetEncoding(), kEncodingUtf8);
  EXPECT_EQ(doc->GetWarnings(), std::vector<std::string>{"Line 1: kept"});
  // Another reader's tree is not id-checked: the athlete without id passes.
  EXPECT_TRUE(doc->GetErrors().empty());
  auto meets = doc->GetMeets();
  ASSERT_EQ(meets->GetCount(), 1);
  EXPECT_EQ(meets->GetItem(0)->GetName(), "Hand Cup");
  EXPECT_EQ(doc->GetRoot()->GetOrCreateChild("MEETS")->GetChild(0)->GetAttribute("course"), "SCM");
}

TEST(LenexDocument, SavesPlainAndZippedAndReadsBack) {
  testing_support::ScratchDir dir;
  auto source = dir.Write("in.lef", kSmallMeet);
  auto doc = ReadLenexDocument(source);
  ASSERT_TRUE(doc->GetErrors().empty());

  ASSERT_TRUE(doc->SaveToFile(dir.File("out.lef"), false));
  std::string plain = testing_support::ReadFile(dir.File("out.lef"));
  EXPECT_EQ(plain.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<LENEX", 0), 0u);
  EXPECT_EQ(plain.find("<SESSIONS"), std::string::npos);  // empty containers are packed away
  EXPECT_NE(plain.find("name=\"Cup &amp; Co\""), std::string::npos);

  for (auto [name, packed] : {std::pair{"out.lxf", false}, std::pair{"packed.lef", true}}) {
    ASSERT_TRUE(doc->SaveToFile(dir.File(name), packed)) << name;
    EXPECT_EQ(testing_support::ReadFile(dir.File(name)).substr(0, 2), "PK") << name;
  }
  auto back = ReadLenexDocument(dir.File("out.lxf"));
  EXPECT_TRUE(back->GetErrors().empty());
  ASSERT_EQ(back->GetMeets()->GetCount(), 1);
  EXPECT_EQ(back->GetMeets()->GetItem(0)->GetName(), "Cup & Co");

  EXPECT_EQ(doc->SaveAsText(false), plain);
  EXPECT_EQ(doc->SaveAsText(true).substr(0, 2), "PK");
  EXPECT_FALSE(doc->SaveToFile(dir.File("no/such/folder/x.lef"), false));
}

TEST(ItemCollection, CountItemsEnumeratorAndSorting) {
  struct Item : IQbItemOrderable {
    int order;
    explicit Item(int o) : order(o) {}
    int GetOrder() const override { return order; }
    void SetOrder(int o) override { order = o; }
  };
  TQbItemCollectionNew<Item> items;
  for (int o : {3, 1, 2}) items.Add(std::make_shared<Item>(o));
  EXPECT_EQ(items.GetCount(), 3);
  EXPECT_EQ(items.GetItem(3), nullptr);
  items.SortByOrder();
  auto e = items.GetEnumerator();
  std::vector<int> seen;
  while (e.MoveNext()) seen.push_back(e.GetCurrent()->order);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  items.Sort([](const auto& a, const auto& b) { return a->order > b->order; });
  EXPECT_EQ(items.GetItem(0)->order, 3);

  EXPECT_TRUE(RoundSetAccepts(0, 9));
  TQbRoundSet finals = RoundBit(9) | RoundBit(8);
  EXPECT_TRUE(RoundSetAccepts(finals, 8));
  EXPECT_FALSE(RoundSetAccepts(finals, 2));
}
