// Fees, the point table and the record lists: plain attribute views.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_fee_intf.h"
#include "lenex/model/qb_lenex_record_list_intf.h"

namespace lnx {

class TLnxFee final : public TLnxManagedObject, public IQbLenexFee {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetCurrency() const override { return Attr("currency"); }
  std::string GetText() const override;
  double GetValue() const override { return Element().GetAsHundredths("value"); }
};

class TLnxPointTable final : public TLnxManagedObject, public IQbLenexPointTable {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  int GetId() const override { return Element().GetId(); }
  std::string GetName() const override { return Attr("name"); }
  std::shared_ptr<const IQbPointsTable> GetPointsTable() const override { return nullptr; }
  std::string GetText() const override;
  std::string GetVersion() const override { return Attr("version"); }
};

class TLnxRecordList final : public TLnxManagedObject, public IQbLenexRecordList {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetName() const override { return Attr("name"); }
  std::string GetType() const override { return Attr("type"); }
};

}  // namespace lnx
