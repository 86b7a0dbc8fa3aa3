// The typed forms and structural operations shared by every element implementation.
#include "lenex/model/qb_xml_element_intf.h"

#include "base/qb_strings.h"
#include "lenex/qb_attribute_forms.h"
#include "lenex/qb_text_writer.h"
#include "lenex/qb_xml_writer.h"

namespace lnx {

namespace {
std::string_view View(const IQbXmlElement& e, std::string_view name) { return e.AttributeView(AtomOf(name)); }

// The element, starting with e and going up, that has the attribute; the topmost when none has.
const IQbXmlElement& InheritedHolder(const IQbXmlElement& e, TQbAtom name) {
  const IQbXmlElement* cur = &e;
  while (!cur->HasAttribute(name) && cur->ParentLink()) cur = cur->ParentLink();
  return *cur;
}

TQbAtom IdAtom(const IQbXmlElement& e) { return AtomOf(qb::ToLowerAscii(e.GetName()) + "id"); }
}  // namespace

bool IQbXmlElement::GetAsBoolean(std::string_view name) const { return ReadBoolean(View(*this, name)); }
double IQbXmlElement::GetAsHundredths(std::string_view name) const { return ReadHundredths(View(*this, name)); }
qb::TDateTime IQbXmlElement::GetAsDate(std::string_view name) const { return ReadDate(View(*this, name)); }
qb::TDateTime IQbXmlElement::GetAsDateTime(std::string_view name) const { return ReadDateTime(View(*this, name)); }
qb::TDateTime IQbXmlElement::GetAsTime(std::string_view name) const { return ReadTime(View(*this, name)); }
qbsw::TQbSwFinaId IQbXmlElement::GetAsFinaId(std::string_view name) const {
  return qbsw::TQbSwFinaId::FromText(View(*this, name));
}
int IQbXmlElement::GetAsInteger(std::string_view name) const { return ReadInteger(View(*this, name)); }
int IQbXmlElement::GetAsInteger(TQbAtom name) const { return ReadInteger(AttributeView(name)); }
double IQbXmlElement::GetAsFloat(std::string_view name) const { return ReadFloat(View(*this, name)); }
int IQbXmlElement::GetAsIntegerOrNone(std::string_view name) const { return ReadIntegerOrNone(View(*this, name)); }
std::string IQbXmlElement::GetAttribute(std::string_view name) const { return std::string(View(*this, name)); }
std::int32_t IQbXmlElement::GetAsSwimTime(std::string_view name) const { return ReadSwimTime(View(*this, name)); }
std::string IQbXmlElement::GetText() const { return std::string(AttributeView(kTextAtom)); }

qb::TDateTime IQbXmlElement::GetInheritedDate(std::string_view name) const {
  return ReadDate(InheritedHolder(*this, AtomOf(name)).AttributeView(AtomOf(name)));
}
int IQbXmlElement::GetInheritedInteger(std::string_view name) const {
  return ReadInteger(InheritedHolder(*this, AtomOf(name)).AttributeView(AtomOf(name)));
}
std::string IQbXmlElement::GetInheritedAttribute(std::string_view name) const {
  return std::string(InheritedHolder(*this, AtomOf(name)).AttributeView(AtomOf(name)));
}

TQbXmlElementPtr IQbXmlElement::GetOrCreateChild(std::string_view name) { return GetOrCreateChild(AtomOf(name)); }

TQbXmlElementPtr IQbXmlElement::GetOrCreateChild(TQbAtom name) {
  for (const auto& c : Children())
    if (c->NameIs(name)) return c;
  return AddChild(NewXmlElement(name));
}

TQbXmlElementPtr IQbXmlElement::GetChild(int index) const {
  const auto& children = Children();
  return index >= 0 && index < static_cast<int>(children.size()) ? children[index] : nullptr;
}

int IQbXmlElement::GetId() const { return ReadInteger(AttributeView(IdAtom(*this))); }

void IQbXmlElement::SetAsBoolean(std::string_view name, bool value) { SetAttribute(name, WriteBoolean(value)); }
void IQbXmlElement::SetAsHundredths(std::string_view name, double value) {
  SetAttribute(name, WriteHundredths(value));
}
void IQbXmlElement::SetAsDate(std::string_view name, qb::TDateTime value) { SetAttribute(name, WriteDate(value)); }
void IQbXmlElement::SetAsDateTime(std::string_view name, qb::TDateTime value) {
  SetAttribute(name, WriteDateTime(value));
}
void IQbXmlElement::SetAsTime(std::string_view name, qb::TDateTime value) { SetAttribute(name, WriteTime(value)); }
void IQbXmlElement::SetAsFinaId(std::string_view name, const qbsw::TQbSwFinaId& value) {
  SetAttribute(name, value.Text());
}
void IQbXmlElement::SetAsInteger(std::string_view name, int value) { SetAttribute(name, WriteInteger(value)); }
void IQbXmlElement::SetAsFloat(std::string_view name, double value) { SetAttribute(name, WriteFloat(value)); }
void IQbXmlElement::SetAsIntegerOrNone(std::string_view name, int value) {
  SetAttribute(name, WriteIntegerOrNone(value));
}
void IQbXmlElement::SetAsSwimTime(std::string_view name, std::int32_t ms) { SetAttribute(name, WriteSwimTime(ms)); }
void IQbXmlElement::SetId(int id) { SetAttribute(IdAtom(*this), WriteInteger(id)); }

TQbXmlElementPtr IQbXmlElement::AddNewChild(std::string_view name) { return AddChild(NewXmlElement(name)); }

void IQbXmlElement::AddChildrenOf(const TQbXmlElementPtr& other) {
  if (!other || other.get() == this) return;
  TQbXmlElementList children = other->Children();  // the other keeps listing them
  for (auto& c : children) {
    // Appended here without leaving the other element's list.
    AddChild(c);
  }
}

std::string IQbXmlElement::AsXmlText(bool lineBreaks) const {
  TStringTextWriter writer;
  WriteDocument(writer, lineBreaks);
  return writer.TakeText();
}

std::vector<std::string> IQbXmlElement::GetAttributeNames() const {
  std::vector<std::string> names;
  for (TQbAtom a : AttributeAtoms()) names.push_back(AtomName(a));
  return names;
}

std::vector<std::string> IQbXmlElement::GetLines(std::string_view name) {
  std::vector<std::string> lines;
  static const TQbAtom kLine = AtomOf("LINE"), kValue = AtomOf("value");
  auto holder = GetOrCreateChild(name);
  for (const auto& c : holder->Children())
    if (c->NameIs(kLine)) lines.emplace_back(c->AttributeView(kValue));
  return lines;
}

void IQbXmlElement::RemoveChild(const TQbXmlElementPtr& child) {
  const auto& children = Children();
  for (size_t i = 0; i < children.size(); ++i)
    if (children[i] == child) {
      RemoveChildAt(static_cast<int>(i));
      return;
    }
}

void IQbXmlElement::RemoveChildByName(std::string_view name) {
  TQbAtom atom = AtomOf(name);
  const auto& children = Children();
  for (size_t i = 0; i < children.size(); ++i)
    if (children[i]->NameIs(atom)) {
      RemoveChildAt(static_cast<int>(i));
      return;
    }
}

TQbXmlElementPtr IQbXmlElement::GetOrCreateChildWith(std::string_view childName, std::string_view attrName,
                                                     std::string_view value) {
  TQbAtom child = AtomOf(childName), attr = AtomOf(attrName);
  for (const auto& c : Children())
    if (c->Matches(child, attr, value)) return c;
  auto made = AddChild(NewXmlElement(child));
  made->SetAttribute(attr, value);
  return made;
}

TQbXmlElementPtr IQbXmlElement::GetOrCreateChildWithInteger(std::string_view childName, std::string_view attrName,
                                                            int value) {
  return GetOrCreateChildWith(childName, attrName, std::to_string(value));
}

TQbXmlElementPtr IQbXmlElement::GetParent() const {
  IQbXmlElement* p = ParentLink();
  return p ? p->shared_from_this() : nullptr;
}

bool IQbXmlElement::Pack() {
  for (int i = GetChildCount() - 1; i >= 0; --i)
    if (Children()[static_cast<size_t>(i)]->Pack()) RemoveChildAt(i);
  return Children().empty() && AttributeAtoms().empty();
}

void IQbXmlElement::Detach() {
  if (IQbXmlElement* p = ParentLink()) p->RemoveChild(std::const_pointer_cast<IQbXmlElement>(shared_from_this()));
}

void IQbXmlElement::WriteDocument(ITextWriter& writer, bool lineBreaks) const {
  WriteXmlDeclaration(writer, lineBreaks);
  WriteElement(0, writer, lineBreaks);
}

void IQbXmlElement::WriteElement(int level, ITextWriter& writer, bool lineBreaks) const {
  WriteXmlElement(*this, level, writer, lineBreaks);
}

bool IQbXmlElement::Matches(TQbAtom name, TQbAtom attr, std::string_view value) const {
  if (NameAtom() != name) return false;
  return attr == 0 || AttributeView(attr) == value;
}

IQbXmlElement* IQbXmlElement::FindChild(TQbAtom name) const {
  for (const auto& c : Children())
    if (c->NameIs(name)) return c.get();
  return nullptr;
}

IQbXmlElement* IQbXmlElement::FindAncestor(TQbAtom name) const {
  for (IQbXmlElement* p = ParentLink(); p; p = p->ParentLink())
    if (p->NameIs(name)) return p;
  return nullptr;
}

}  // namespace lnx
