// Record lists of a document.
#pragma once

#include <map>
#include <string>

#include "lenex/qb_item_collection.h"

namespace lnx {

class IQbLenexRecordList {
 public:
  virtual ~IQbLenexRecordList() = default;
  virtual std::string GetName() const = 0;
  virtual std::string GetType() const = 0;
};

class IQbLenexRecordLists : public TQbItemCollectionNew<IQbLenexRecordList> {
 public:
  // For every record list, its type mapped to its name (a later list of the same type wins).
  std::map<std::string, std::string> GetNamesByType() const {
    std::map<std::string, std::string> names;
    for (const auto& list : *this) names[list->GetType()] = list->GetName();
    return names;
  }
};

}  // namespace lnx
