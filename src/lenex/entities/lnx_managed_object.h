// Wrapper base: an entity view holds one counted reference to its element and nothing else.
#pragma once

#include "lenex/model/qb_xml_element_intf.h"

namespace lnx {

// The internal access to a wrapper's element, used by the id check and by messages.
class IQbElementOf {
 public:
  virtual ~IQbElementOf() = default;
  virtual TQbXmlElementPtr GetElementOf() const = 0;
};

class TLnxManagedObject : public virtual IQbElementOf {
 public:
  explicit TLnxManagedObject(TQbXmlElementPtr element) : element_(std::move(element)) {}
  TQbXmlElementPtr GetElementOf() const override { return element_; }

 protected:
  const IQbXmlElement& Element() const { return *element_; }
  IQbXmlElement& Element() { return *element_; }
  TQbXmlElementPtr element_;
};

}  // namespace lnx
