// TQbXmlElement: the element of the document tree.
//
// Attributes are packed into one byte buffer as [atom: 4 bytes][length: 4 bytes][value bytes],
// in stored order. Elements have a handful of short attributes, so a linear scan over one
// contiguous buffer is the cheapest lookup and keeps a large meet small in memory.
#pragma once

#include "lenex/model/qb_xml_element_intf.h"

namespace lnx {

class TQbXmlElement final : public IQbXmlElement {
 public:
  TQbXmlElement(TQbAtom name, int line) : name_(name), line_(line) {}
  ~TQbXmlElement() override;

  using IQbXmlElement::HasAttribute;
  using IQbXmlElement::SetAttribute;

  TQbAtom NameAtom() const override { return name_; }
  int GetLine() const override { return line_; }
  std::string_view AttributeView(TQbAtom name) const override;
  bool HasAttribute(TQbAtom name) const override { return Find(name) != kNotFound; }
  void SetAttribute(TQbAtom name, std::string_view value) override;
  std::vector<TQbAtom> AttributeAtoms() const override;
  const TQbXmlElementList& Children() const override { return children_; }
  IQbXmlElement* ParentLink() const override { return parent_; }
  void SetParentLink(IQbXmlElement* parent) override { parent_ = parent; }
  TQbXmlElementPtr AddChild(TQbXmlElementPtr child) override;
  void RemoveChildAt(int index) override;
  TQbXmlElementPtr Clone(bool deep) const override;

  // Takes over every attribute of a scratch element (as if set one by one) and empties it.
  // The reader gathers a start tag's attributes in a scratch element, so that each element's
  // attribute buffer is allocated once at its exact size.
  void AdoptAttributesOf(TQbXmlElement& scratch);
  bool HasNoAttributes() const { return attrs_.empty(); }

 private:
  void AppendAttribute(TQbAtom name, std::string_view value);

  static constexpr size_t kNotFound = static_cast<size_t>(-1);
  static constexpr size_t kHeader = 8;
  size_t Find(TQbAtom name) const;  // offset of the entry's header, or kNotFound

  std::string attrs_;
  TQbXmlElementList children_;
  IQbXmlElement* parent_ = nullptr;
  TQbAtom name_;
  int line_;
};

}  // namespace lnx
