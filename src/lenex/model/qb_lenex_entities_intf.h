// Entity interfaces of the meet document. Collections are snapshots of item pointers.
#pragma once

#include <memory>
#include <string>

#include "lenex/qb_item_collection.h"

namespace lnx {

class IQbLenexMeet {
 public:
  virtual ~IQbLenexMeet() = default;
  virtual std::string GetCity() const = 0;
  virtual int GetCourse() const = 0;
  virtual std::string GetName() const = 0;
  virtual std::string GetCourseName() const = 0;
};

class IQbLenexRecordList {
 public:
  virtual ~IQbLenexRecordList() = default;
  virtual std::string GetName() const = 0;
};

class IQbLenexTimeStandardList {
 public:
  virtual ~IQbLenexTimeStandardList() = default;
  virtual std::string GetName() const = 0;
};

using IQbLenexMeets = TQbItemCollectionNew<IQbLenexMeet>;
using IQbLenexRecordLists = TQbItemCollectionNew<IQbLenexRecordList>;
using IQbLenexTimeStandardLists = TQbItemCollectionNew<IQbLenexTimeStandardList>;

}  // namespace lnx
