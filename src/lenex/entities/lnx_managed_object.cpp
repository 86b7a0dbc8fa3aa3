#include "lenex/entities/lnx_managed_object.h"

namespace lnx {

TQbXmlElementPtr TLnxAbstractManagedObject::Up(int levels) const {
  IQbXmlElement* e = element_.get();
  for (int i = 0; i < levels && e; ++i) e = e->ParentLink();
  return SharedOf(e);
}

TQbXmlElementPtr TLnxAbstractManagedObject::Ancestor(std::string_view name) const {
  return SharedOf(element_->FindAncestor(AtomOf(name)));
}

TQbXmlElementPtr TLnxAbstractManagedObject::Container(std::string_view name) const {
  return element_->GetOrCreateChild(name);
}

}  // namespace lnx
