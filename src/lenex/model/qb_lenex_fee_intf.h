// Fees and the meet's point table.
#pragma once

#include <memory>
#include <string>

namespace lnx {

class IQbLenexFee {
 public:
  virtual ~IQbLenexFee() = default;
  virtual std::string GetCurrency() const = 0;
  // "%s %.2f" of currency and value, "-" when the value is 0.
  virtual std::string GetText() const = 0;
  virtual double GetValue() const = 0;
};

// A base-time points table of the points-table registry (nothing in the viewer asks for one).
class IQbPointsTable {
 public:
  virtual ~IQbPointsTable() = default;
};

class IQbLenexPointTable {
 public:
  virtual ~IQbLenexPointTable() = default;
  virtual int GetId() const = 0;
  virtual std::string GetName() const = 0;
  // The registry's table of this id; the viewer keeps no registry, so none.
  virtual std::shared_ptr<const IQbPointsTable> GetPointsTable() const = 0;
  // Name, a blank and version, trimmed.
  virtual std::string GetText() const = 0;
  virtual std::string GetVersion() const = 0;
};

}  // namespace lnx
