#include <gtest/gtest.h>

#include "lenex/model/qb_xml_element_intf.h"
#include "lenex/qb_attribute_forms.h"
#include "lenex/qb_name_atoms.h"

using namespace lnx;

TEST(NameAtoms, AtomsAreStableAndCaseSensitive) {
  EXPECT_EQ(AtomOf(""), kTextAtom);
  TQbAtom a = AtomOf("LENEX");
  EXPECT_EQ(AtomOf("LENEX"), a);
  EXPECT_NE(AtomOf("Lenex"), a);
  EXPECT_EQ(AtomName(a), "LENEX");
}

TEST(XmlElement, AttributesKeepOrderAndEmptyRemoves) {
  auto e = NewXmlElement("MEET");
  e->SetAttribute("name", "Open");
  e->SetAttribute("city", "Bern");
  e->SetAttribute("name", "Spring Open");  // overwritten in place
  EXPECT_EQ(e->GetAttributeNames(), (std::vector<std::string>{"name", "city"}));
  EXPECT_EQ(e->GetAttribute("name"), "Spring Open");
  e->SetAttribute("name", "");
  EXPECT_FALSE(e->HasAttribute("name"));
  EXPECT_EQ(e->GetAttribute("city"), "Bern");
  e->SetText("hello");
  EXPECT_EQ(e->GetText(), "hello");
  EXPECT_EQ(e->GetAttributeNames(), (std::vector<std::string>{"city", ""}));
  e->SetAsIntegerOrNone("agemin", kNoValue);
  EXPECT_FALSE(e->HasAttribute("agemin"));
  EXPECT_EQ(e->GetAsIntegerOrNone("agemin"), kNoValue);
}

TEST(XmlElement, IdFormUsesTheLowerCasedElementName) {
  auto e = NewXmlElement("AGEGROUP");
  e->SetId(7);
  EXPECT_EQ(e->GetAttribute("agegroupid"), "7");
  EXPECT_EQ(e->GetId(), 7);
}

TEST(XmlElement, ChildrenParentsAndInheritance) {
  auto meet = NewXmlElement("MEET");
  meet->SetAttribute("course", "LCM");
  auto sessions = meet->GetOrCreateChild("SESSIONS");
  EXPECT_EQ(meet->GetOrCreateChild("SESSIONS"), sessions);
  auto session = sessions->AddNewChild("SESSION");
  EXPECT_EQ(session->GetParent(), sessions);
  EXPECT_EQ(session->GetInheritedAttribute("course"), "LCM");
  EXPECT_EQ(session->GetInheritedAttribute("missing"), "");
  session->SetAttribute("course", "SCM");
  EXPECT_EQ(session->GetInheritedAttribute("course"), "SCM");
  EXPECT_TRUE(meet->HasChild("SESSIONS"));
  EXPECT_EQ(meet->GetChild(5), nullptr);

  auto a = sessions->GetOrCreateChildWithInteger("SESSION", "number", 2);
  EXPECT_EQ(sessions->GetChildCount(), 2);
  EXPECT_EQ(sessions->GetOrCreateChildWith("SESSION", "number", "2"), a);
  a->Detach();
  EXPECT_EQ(sessions->GetChildCount(), 1);
  EXPECT_EQ(a->GetParent(), nullptr);

  auto enumerator = sessions->GetEnumerator();
  int n = 0;
  while (enumerator.MoveNext()) {
    EXPECT_EQ(enumerator.GetCurrent(), session);
    ++n;
  }
  EXPECT_EQ(n, 1);
}

TEST(XmlElement, ParentDiesFirst) {
  auto child = NewXmlElement("EVENT");
  {
    auto parent = NewXmlElement("EVENTS");
    parent->AddChild(child);
    EXPECT_NE(child->GetParent(), nullptr);
  }
  EXPECT_EQ(child->GetParent(), nullptr);  // the weak link is cleared, never dangling
}

TEST(XmlElement, PackRemovesEmptySubtrees) {
  auto root = NewXmlElement("LENEX");
  root->GetOrCreateChild("MEETS")->GetOrCreateChild("MEET")->GetOrCreateChild("SESSIONS");
  root->GetOrCreateChild("CONSTRUCTOR")->SetAttribute("name", "x");
  EXPECT_FALSE(root->Pack());
  EXPECT_FALSE(root->HasChild("MEETS"));
  EXPECT_TRUE(root->HasChild("CONSTRUCTOR"));
  auto empty = NewXmlElement("X");
  EXPECT_TRUE(empty->Pack());
}

TEST(XmlElement, CloneAndChildrenOfAnother) {
  auto src = NewXmlElement("SPLITS", 12);
  src->AddNewChild("SPLIT")->SetAttribute("distance", "50");
  src->AddNewChild("SPLIT")->SetAttribute("distance", "100");
  auto shallow = src->Clone(false);
  EXPECT_EQ(shallow->GetLine(), 12);
  EXPECT_EQ(shallow->GetChildCount(), 0);
  auto deep = src->Clone(true);
  ASSERT_EQ(deep->GetChildCount(), 2);
  EXPECT_EQ(deep->GetChild(1)->GetAttribute("distance"), "100");
  EXPECT_NE(deep->GetChild(1), src->GetChild(1));

  auto target = NewXmlElement("SPLITS");
  target->AddChildrenOf(src);
  EXPECT_EQ(target->GetChildCount(), 2);
  EXPECT_EQ(src->GetChildCount(), 2);  // the other element still lists them
  EXPECT_EQ(src->GetChild(0)->GetParent(), target);
}

TEST(XmlElement, LinesOfAChild) {
  auto meet = NewXmlElement("MEET");
  auto message = meet->GetOrCreateChild("MESSAGE");
  message->AddNewChild("LINE")->SetAttribute("value", "first");
  message->AddNewChild("OTHER")->SetAttribute("value", "skip");
  message->AddNewChild("LINE")->SetAttribute("value", "second");
  EXPECT_EQ(meet->GetLines("MESSAGE"), (std::vector<std::string>{"first", "second"}));
  EXPECT_TRUE(meet->GetLines("NOTES").empty());
  EXPECT_TRUE(meet->HasChild("NOTES"));  // getting the list creates its holder
}
