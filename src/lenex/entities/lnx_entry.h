// Entries and results of athletes and relays, and how an event collects them.
//
// A result is stored under its athlete or relay and joined to the meet side by ids: its event by
// "eventid", its age group by "agegroupid", its place by the event's rankings (LENEX 3) or its
// own "place" (before 3.0). Heat, lane and entry time of a result come from the matching ENTRY
// of the same athlete or relay for the same event.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_entry_intf.h"

namespace lnx {

// What entries and results share; EntryElement() is the element that holds entry data.
template <class Intf>
class TLnxEntryOf : public TLnxManagedObject, public Intf {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::shared_ptr<const IQbLenexAthlete> GetAthlete() const override;
  std::shared_ptr<const IQbLenexClub> GetClub() const override;
  int GetGender() const override;
  std::int32_t GetEntryTime() const override;
  std::shared_ptr<const IQbLenexEvent> GetEvent() const override;
  int GetStatus() const override;

 protected:
  virtual TQbXmlElementPtr EntryElement() const = 0;

 private:
  mutable std::shared_ptr<const IQbLenexEvent> event_;  // kept once found
};

class TLnxEntry final : public TLnxEntryOf<IQbLenexEntry> {
 public:
  using TLnxEntryOf::TLnxEntryOf;

 protected:
  TQbXmlElementPtr EntryElement() const override { return element_; }
};

class TLnxResult final : public TLnxEntryOf<IQbLenexResult> {
 public:
  using TLnxEntryOf::TLnxEntryOf;
  std::shared_ptr<const IQbLenexAgeGroup> GetAgeGroup() const override;
  int GetId() const override { return Int("resultid"); }
  int GetPlace() const override;

 protected:
  // The athlete's or relay's ENTRY for the same event, appended when there is none; kept.
  TQbXmlElementPtr EntryElement() const override;

 private:
  mutable TQbXmlElementPtr entry_;
};

// The ENTRIES ("ENTRY") or RESULTS ("RESULT") items of every athlete and then every relay of each
// club of the meet (of `club` only when given), in document order, whose "eventid" is the event's
// and, when ageGroupId is given, whose "agegroupid" is that.
TQbXmlElementList CollectEventItems(const IQbXmlElement& meet, const IQbXmlElement* club, bool results, int eventId,
                                    const int* ageGroupId);

// Results in result order: by place, those without place after them by status.
std::shared_ptr<IQbLenexResults> ResultsInResultOrder(const TQbXmlElementList& results, const TLnxIndexPtr& index);
// Entries in one of the entry sort orders (1 event number, 2 swim style then entry time, 3 entry
// time); any other order keeps the given order.
void SortEntries(std::vector<std::shared_ptr<const IQbLenexEntry>>& entries, int sortOrder);

}  // namespace lnx
