#include "lenex/qb_xml_element.h"

#include <cstring>

namespace lnx {

namespace {
std::uint32_t ReadU32(const char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
void AppendU32(std::string& s, std::uint32_t v) { s.append(reinterpret_cast<const char*>(&v), 4); }
}  // namespace

TQbXmlElement::~TQbXmlElement() {
  // Children that outlive their parent (held elsewhere) lose their link to it.
  for (auto& c : children_)
    if (c->ParentLink() == this) c->SetParentLink(nullptr);
}

size_t TQbXmlElement::Find(TQbAtom name) const {
  const char* data = attrs_.data();
  size_t pos = 0, size = attrs_.size();
  while (pos < size) {
    if (ReadU32(data + pos) == name) return pos;
    pos += kHeader + ReadU32(data + pos + 4);
  }
  return kNotFound;
}

std::string_view TQbXmlElement::AttributeView(TQbAtom name) const {
  size_t pos = Find(name);
  if (pos == kNotFound) return {};
  return std::string_view(attrs_.data() + pos + kHeader, ReadU32(attrs_.data() + pos + 4));
}

void TQbXmlElement::SetAttribute(TQbAtom name, std::string_view value) {
  size_t pos = Find(name);
  if (pos != kNotFound) {
    size_t oldLen = ReadU32(attrs_.data() + pos + 4);
    if (value.empty()) {
      attrs_.erase(pos, kHeader + oldLen);
      return;
    }
    std::uint32_t len = static_cast<std::uint32_t>(value.size());
    std::memcpy(attrs_.data() + pos + 4, &len, 4);
    attrs_.replace(pos + kHeader, oldLen, value);
    return;
  }
  if (!value.empty()) AppendAttribute(name, value);
}

void TQbXmlElement::AppendAttribute(TQbAtom name, std::string_view value) {
  AppendU32(attrs_, name);
  AppendU32(attrs_, static_cast<std::uint32_t>(value.size()));
  attrs_.append(value);
}

void TQbXmlElement::AdoptAttributesOf(TQbXmlElement& scratch) {
  if (attrs_.empty()) {
    attrs_.assign(scratch.attrs_);  // an exact copy: the scratch keeps its capacity for the next tag
  } else {
    for (size_t pos = 0; pos < scratch.attrs_.size(); pos += kHeader + ReadU32(scratch.attrs_.data() + pos + 4))
      SetAttribute(ReadU32(scratch.attrs_.data() + pos),
                   std::string_view(scratch.attrs_.data() + pos + kHeader, ReadU32(scratch.attrs_.data() + pos + 4)));
  }
  scratch.attrs_.clear();
}

std::vector<TQbAtom> TQbXmlElement::AttributeAtoms() const {
  std::vector<TQbAtom> atoms;
  for (size_t pos = 0; pos < attrs_.size(); pos += kHeader + ReadU32(attrs_.data() + pos + 4))
    atoms.push_back(ReadU32(attrs_.data() + pos));
  return atoms;
}

TQbXmlElementPtr TQbXmlElement::AddChild(TQbXmlElementPtr child) {
  if (!child) return child;
  child->SetParentLink(this);
  children_.push_back(child);
  return child;
}

void TQbXmlElement::RemoveChildAt(int index) {
  if (index < 0 || index >= static_cast<int>(children_.size())) return;
  auto it = children_.begin() + index;
  if ((*it)->ParentLink() == this) (*it)->SetParentLink(nullptr);
  children_.erase(it);
}

TQbXmlElementPtr TQbXmlElement::Clone(bool deep) const {
  auto copy = std::make_shared<TQbXmlElement>(name_, line_);
  copy->attrs_ = attrs_;
  if (deep)
    for (const auto& c : children_) copy->AddChild(c->Clone(true));
  return copy;
}

TQbXmlElementPtr NewXmlElement(TQbAtom name, int line) { return std::make_shared<TQbXmlElement>(name, line); }
TQbXmlElementPtr NewXmlElement(std::string_view name, int line) { return NewXmlElement(AtomOf(name), line); }

}  // namespace lnx
