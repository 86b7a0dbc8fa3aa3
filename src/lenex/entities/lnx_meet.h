// Meet-level wrappers over MEET, RECORDLIST and TIMESTANDARDLIST elements.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_entities_intf.h"

namespace lnx {

class TLnxMeet final : public TLnxManagedObject, public IQbLenexMeet {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetCity() const override { return Element().GetAttribute("city"); }
  int GetCourse() const override;
  std::string GetName() const override { return Element().GetAttribute("name"); }
  std::string GetCourseName() const override;
};

class TLnxRecordList final : public TLnxManagedObject, public IQbLenexRecordList {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetName() const override { return Element().GetAttribute("name"); }
};

class TLnxTimeStandardList final : public TLnxManagedObject, public IQbLenexTimeStandardList {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetName() const override { return Element().GetAttribute("name"); }
};

// A collection of wrappers over the children of `container` named `childName`.
template <class Intf, class Wrapper>
std::shared_ptr<const TQbItemCollectionNew<Intf>> WrapChildren(const TQbXmlElementPtr& container,
                                                                std::string_view childName) {
  auto collection = std::make_shared<TQbItemCollectionNew<Intf>>();
  TQbAtom name = AtomOf(childName);
  for (const auto& c : container->Children())
    if (c->NameIs(name)) collection->Add(std::make_shared<Wrapper>(c));
  return collection;
}

}  // namespace lnx
