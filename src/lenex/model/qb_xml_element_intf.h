// IQbXmlElement: one element of a LENEX document tree. Name, ordered attributes with string
// values (the text content is the attribute with the empty name), ordered children it owns,
// a weak link to its parent and the source line of its start tag.
//
// The implementation supplies a few primitives; the typed forms are built on them here, so every
// typed read is the same cheap scan plus a total conversion.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "lenex/qb_name_atoms.h"
#include "swim/qbsw_fina_id.h"

namespace lnx {

class ITextWriter;
class IQbXmlElement;
using TQbXmlElementPtr = std::shared_ptr<IQbXmlElement>;
using TQbXmlElementList = std::vector<TQbXmlElementPtr>;

// Enumerator over a snapshot of an element's children: starts before the first child.
class TQbXmlElementEnumerator {
 public:
  explicit TQbXmlElementEnumerator(TQbXmlElementList children) : children_(std::move(children)) {}
  bool MoveNext() { return ++index_ < static_cast<long>(children_.size()); }
  TQbXmlElementPtr GetCurrent() const {
    return index_ >= 0 && index_ < static_cast<long>(children_.size()) ? children_[index_] : nullptr;
  }

 private:
  TQbXmlElementList children_;
  long index_ = -1;
};

class IQbXmlElement : public std::enable_shared_from_this<IQbXmlElement> {
 public:
  virtual ~IQbXmlElement() = default;

  // ---- primitives of the implementation
  virtual TQbAtom NameAtom() const = 0;
  virtual int GetLine() const = 0;
  // The stored value, empty when the attribute is missing. Valid until the attribute changes.
  virtual std::string_view AttributeView(TQbAtom name) const = 0;
  virtual bool HasAttribute(TQbAtom name) const = 0;
  // An empty value removes the attribute; an existing one is overwritten in place.
  virtual void SetAttribute(TQbAtom name, std::string_view value) = 0;
  virtual std::vector<TQbAtom> AttributeAtoms() const = 0;
  virtual const TQbXmlElementList& Children() const = 0;
  virtual IQbXmlElement* ParentLink() const = 0;
  // Internal: a parent sets and clears its child's link.
  virtual void SetParentLink(IQbXmlElement* parent) = 0;
  virtual TQbXmlElementPtr AddChild(TQbXmlElementPtr child) = 0;
  virtual void RemoveChildAt(int index) = 0;
  virtual TQbXmlElementPtr Clone(bool deep) const = 0;

  // ---- typed reads
  bool GetAsBoolean(std::string_view name) const;
  double GetAsHundredths(std::string_view name) const;
  qb::TDateTime GetAsDate(std::string_view name) const;
  qb::TDateTime GetAsDateTime(std::string_view name) const;
  qb::TDateTime GetAsTime(std::string_view name) const;
  qbsw::TQbSwFinaId GetAsFinaId(std::string_view name) const;
  int GetAsInteger(std::string_view name) const;
  double GetAsFloat(std::string_view name) const;
  int GetAsIntegerOrNone(std::string_view name) const;
  std::string GetAttribute(std::string_view name) const;
  std::int32_t GetAsSwimTime(std::string_view name) const;
  std::string GetText() const;
  TQbXmlElementEnumerator GetEnumerator() const { return TQbXmlElementEnumerator(Children()); }
  qb::TDateTime GetInheritedDate(std::string_view name) const;
  int GetInheritedInteger(std::string_view name) const;
  std::string GetInheritedAttribute(std::string_view name) const;
  TQbXmlElementPtr GetOrCreateChild(std::string_view name);
  TQbXmlElementPtr GetChild(int index) const;
  int GetId() const;
  std::string GetName() const { return AtomName(NameAtom()); }

  // ---- typed writes
  void SetAsBoolean(std::string_view name, bool value);
  void SetAsHundredths(std::string_view name, double value);
  void SetAsDate(std::string_view name, qb::TDateTime value);
  void SetAsDateTime(std::string_view name, qb::TDateTime value);
  void SetAsTime(std::string_view name, qb::TDateTime value);
  void SetAsFinaId(std::string_view name, const qbsw::TQbSwFinaId& value);
  void SetAsInteger(std::string_view name, int value);
  void SetAsFloat(std::string_view name, double value);
  void SetAsIntegerOrNone(std::string_view name, int value);
  void SetAttribute(std::string_view name, std::string_view value) { SetAttribute(AtomOf(name), value); }
  void SetAsSwimTime(std::string_view name, std::int32_t milliseconds);
  void SetText(std::string_view text) { SetAttribute(kTextAtom, text); }
  void SetId(int id);

  // ---- structure
  TQbXmlElementPtr AddNewChild(std::string_view name);
  void AddChildrenOf(const TQbXmlElementPtr& other);
  std::string AsXmlText(bool lineBreaks) const;
  std::vector<std::string> GetAttributeNames() const;
  std::vector<std::string> GetLines(std::string_view name);
  void RemoveChild(const TQbXmlElementPtr& child);
  void RemoveChildByName(std::string_view name);
  bool HasAttribute(std::string_view name) const { return HasAttribute(AtomOf(name)); }
  bool HasChild(std::string_view name) const { return FindChild(AtomOf(name)) != nullptr; }
  TQbXmlElementPtr GetOrCreateChildWith(std::string_view childName, std::string_view attrName,
                                        std::string_view value);
  TQbXmlElementPtr GetOrCreateChildWithInteger(std::string_view childName, std::string_view attrName, int value);
  int GetChildCount() const { return static_cast<int>(Children().size()); }
  TQbXmlElementPtr GetParent() const;
  // Removes every child that is empty after packing; answers whether this element is empty now.
  bool Pack();
  void Detach();
  void WriteDocument(ITextWriter& writer, bool lineBreaks) const;
  void WriteElement(int level, ITextWriter& writer, bool lineBreaks) const;

  // ---- fast helpers over atoms
  bool NameIs(TQbAtom name) const { return NameAtom() == name; }
  // Whether the name equals and, when attr is not 0, that attribute equals the value.
  bool Matches(TQbAtom name, TQbAtom attr, std::string_view value) const;
  IQbXmlElement* FindChild(TQbAtom name) const;
  TQbXmlElementPtr GetOrCreateChild(TQbAtom name);
  int GetAsInteger(TQbAtom name) const;
  // The nearest ancestor (this element excluded) with that name, or none.
  IQbXmlElement* FindAncestor(TQbAtom name) const;
};

// Element factory: a new element with no parent, attributes or children.
TQbXmlElementPtr NewXmlElement(std::string_view name, int line = 0);
TQbXmlElementPtr NewXmlElement(TQbAtom name, int line = 0);

}  // namespace lnx
