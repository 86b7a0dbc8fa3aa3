// Wrapper base: an entity view holds one counted reference to its element, plus the document's
// lookup index that it hands on to the views it makes (none for views made outside a document,
// which then scan the tree; the answers are the same).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "lenex/model/qb_xml_element_intf.h"

namespace lnx {

class TLnxDocumentIndex;
using TLnxIndexPtr = std::shared_ptr<TLnxDocumentIndex>;

// The internal access to a wrapper's element, used by the id check and by messages.
class IQbElementOf {
 public:
  virtual ~IQbElementOf() = default;
  virtual TQbXmlElementPtr GetElementOf() const = 0;
};

class TLnxAbstractManagedObject : public virtual IQbElementOf {
 public:
  explicit TLnxAbstractManagedObject(TQbXmlElementPtr element) : element_(std::move(element)) {}
  TQbXmlElementPtr GetElementOf() const override { return element_; }

 protected:
  const IQbXmlElement& Element() const { return *element_; }
  IQbXmlElement& Element() { return *element_; }
  // The element `levels` parents up, or none when the tree ends before.
  TQbXmlElementPtr Up(int levels) const;
  // The nearest ancestor with this name, or none.
  TQbXmlElementPtr Ancestor(std::string_view name) const;
  std::string Attr(std::string_view name) const { return element_->GetAttribute(name); }
  int Int(std::string_view name) const { return element_->GetAsInteger(name); }
  // A container child, created when missing.
  TQbXmlElementPtr Container(std::string_view name) const;

  TQbXmlElementPtr element_;
};

class TLnxManagedObject : public TLnxAbstractManagedObject {
 public:
  explicit TLnxManagedObject(TQbXmlElementPtr element, TLnxIndexPtr index = nullptr)
      : TLnxAbstractManagedObject(std::move(element)), index_(std::move(index)) {}

 protected:
  // A view of the same document over another element.
  template <class W>
  std::shared_ptr<W> Make(TQbXmlElementPtr element) const {
    return element ? std::make_shared<W>(std::move(element), index_) : nullptr;
  }
  const TLnxIndexPtr& Index() const { return index_; }

  TLnxIndexPtr index_;
};

// An element's shared pointer (elements are always owned by shared pointers).
inline TQbXmlElementPtr SharedOf(IQbXmlElement* element) { return element ? element->shared_from_this() : nullptr; }

}  // namespace lnx
