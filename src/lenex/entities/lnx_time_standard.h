// Time standard lists, time standards, references to lists, and the time standard lookup.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_time_standard_intf.h"

namespace lnx {

class TLnxTimeStandard final : public TLnxManagedObject, public IQbLenexTimeStandard {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::int32_t GetSwimTime() const override { return Element().GetAsSwimTime("swimtime"); }
  qbsw::TQbSwSwimStyle GetSwimStyle() const override;
};

class TLnxTimeStandardList final : public TLnxManagedObject, public IQbLenexTimeStandardList {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  int GetReserved() const override { return 0; }
  qbsw::TQbSwAgeRange GetRange() const override;
  std::string GetCode() const override { return Attr("code"); }
  std::string GetText() const override;
  int GetCourse() const override;
  int GetGender() const override;
  int GetId() const override { return Int("timestandardlistid"); }
  std::string GetName() const override { return Attr("name"); }
  std::shared_ptr<const IQbLenexTimeStandards> GetTimeStandards() const override;
  int GetType() const override;
};

class TLnxTimeStandardRef final : public TLnxManagedObject, public IQbLenexTimeStandardRef {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::shared_ptr<const IQbLenexTimeStandardList> GetList() const override;
  std::shared_ptr<const IQbLenexFee> GetFee() const override;
  std::string GetMarker() const override { return Attr("marker"); }
};

// The range of a TIMESTANDARDLIST: from its AGEGROUP, open without one.
qbsw::TQbSwAgeRange TimeStandardListRange(const IQbXmlElement& list);

// Over the document's TIMESTANDARDLIST elements in order, the first list whose "course", "gender"
// and "type" (empty also for list type 0) are those of the codes (any case) and whose range
// equals `range`; in it the first TIMESTANDARD of the same swim style as `swimStyle` gives its
// swim time. 0 when there is no such list or time standard.
std::int32_t LookupTimeStandard(const IQbXmlElement* lenexRoot, int course, int listType,
                                const qbsw::TQbSwAgeRange& range, int gender, const IQbXmlElement& swimStyle);

}  // namespace lnx
