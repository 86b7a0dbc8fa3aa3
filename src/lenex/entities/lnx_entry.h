// Entries and results of athletes and relays, and how they are collected and ordered.
//
// A result is stored under its athlete or relay and joined to the meet side by ids: its event by
// "eventid", its age group by "agegroupid", its place by the event's rankings (LENEX 3) or its
// own "place". Entry time and meet info of a result come from the matching ENTRY of the same
// athlete or relay for the same event; heat and lane too, unless the result names its own.
#pragma once

#include <vector>

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_entry_intf.h"

namespace lnx {

// What entries and results share; EntryElement() is the element that holds entry data.
template <class Intf>
class TLnxEntryOf : public TLnxManagedObject, public Intf {
 public:
  // knownEvent: the EVENT the meet finds for this item's "eventid", when the caller has it.
  TLnxEntryOf(TQbXmlElementPtr element, TLnxIndexPtr index, TQbXmlElementPtr knownEvent = nullptr)
      : TLnxManagedObject(std::move(element), std::move(index)), eventElement_(std::move(knownEvent)) {}

  std::string GetBirthYearText() const override;
  std::shared_ptr<const IQbLenexAthlete> GetAthlete() const override;
  std::shared_ptr<const IQbLenexClub> GetClub() const override;
  int GetGender() const override;
  std::int32_t GetEntryTime() const override;
  std::string GetEntryTimeText() const override;
  std::shared_ptr<const IQbLenexEvent> GetEvent() const override;
  std::shared_ptr<const IQbLenexHeat> GetHeat() const override;
  int GetLane() const override;
  std::shared_ptr<const IQbLenexMeetInfo> GetMeetInfo() const override;
  std::string GetName(bool withGender) const override;
  std::shared_ptr<const IQbLenexPositions> GetRelayPositions() const override;
  std::shared_ptr<const IQbLenexRelay> GetRelay() const override;
  int GetStatus() const override;

  // Replaces the MEETINFO child of the entry element by the given element.
  void ReplaceMeetInfo(const TQbXmlElementPtr& meetInfo) const;

 protected:
  virtual TQbXmlElementPtr EntryElement() const = 0;
  // The element that names the heat and lane.
  virtual TQbXmlElementPtr HeatAndLaneElement() const { return EntryElement(); }
  // The event found by "eventid" (kept), or none.
  TQbXmlElementPtr EventElement() const;

 private:
  mutable TQbXmlElementPtr eventElement_;
  mutable bool eventLooked_ = false;
  mutable std::shared_ptr<const IQbLenexEvent> event_;  // kept once made
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
  std::string GetComment() const override { return Attr("comment"); }
  std::string GetFine() const override { return Attr("fine"); }
  int GetId() const override { return Int("resultid"); }
  int GetPlace() const override;
  std::string GetPlaceText() const override;
  int GetPoints() const override { return Int("points"); }
  int GetReactionTime() const override { return Element().GetAsIntegerOrNone("reactiontime"); }
  std::shared_ptr<const IQbLenexSplits> GetSplits() const override;
  int GetResultStatus() const override { return GetStatus(); }
  std::int32_t GetSwimTime() const override;
  std::string GetSwimTimeText() const override;
  qb::TDateTime GetTimestamp() const override { return 0; }

 protected:
  // The athlete's or relay's ENTRY for the same event, appended when there is none; kept.
  TQbXmlElementPtr EntryElement() const override;
  // The result itself when it names a heat or a lane, else the entry element.
  TQbXmlElementPtr HeatAndLaneElement() const override;

 private:
  mutable TQbXmlElementPtr entry_;
};

// The meet's RESULT elements of an event (of one age group when given), club by club, athletes
// before relays, in document order; through the document's index when there is one.
TQbXmlElementList ResultsOfEvent(const IQbXmlElement& meet, int eventId, const int* ageGroupId,
                                 const TLnxIndexPtr& index);

// Results in result order: by place, those without place after them by status. knownEvent is
// the EVENT the meet finds for their "eventid", when the caller has it.
std::shared_ptr<IQbLenexResults> ResultsInResultOrder(const TQbXmlElementList& results, const TLnxIndexPtr& index,
                                                      const TQbXmlElementPtr& knownEvent = nullptr);

// Entries or results in one of the entry sort orders (1 event number, 2 swim style then entry
// time, 3 entry time); any other order keeps the given order.
template <class E>
void SortEntries(std::vector<std::shared_ptr<const E>>& entries, int sortOrder);

// The ENTRY children of the owners' ENTRIES (athletes or relays), in document order, those in
// events of the rounds in the set only, in an entry sort order.
std::shared_ptr<const IQbLenexEntries> OwnEntries(const TQbXmlElementList& owners, int sortOrder, TQbRoundSet rounds,
                                                  const TLnxIndexPtr& index);
// Likewise the RESULT children of the owner's RESULTS.
std::shared_ptr<const IQbLenexResults> OwnResults(const IQbXmlElement& owner, int sortOrder, TQbRoundSet rounds,
                                                  const TLnxIndexPtr& index);

}  // namespace lnx
