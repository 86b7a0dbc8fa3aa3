#include "report/app_reports/copy_text.h"

#include <string>

#include "base/qb_strings.h"
#include "frame/language/language_manager.h"
#include "swim/qbsw_codes.h"

namespace report {

namespace {

using lnx::IQbLenexEntry;
using lnx::IQbLenexResult;

constexpr int kEntriesByEntryTime = lnx::kEntriesByEntryTime;
constexpr int kEntriesBySwimStyle = lnx::kEntriesBySwimStyle;

std::string ClubName(const IQbLenexEntry& item) {
  auto club = item.GetClub();
  return club ? club->GetName() : std::string();
}

void AppendEntryRow(std::string& text, const IQbLenexEntry& entry, bool withGender, bool relay) {
  text += '\t' + entry.GetName(withGender) + '\t' + ClubName(entry) + '\t' + entry.GetEntryTimeText() + kCopyLineEnd;
  if (relay) text += IntermediateTimesText(entry);
}

void AppendResultRow(std::string& text, const IQbLenexResult& result, bool withGender, TCopyOptions options) {
  const bool valid = qbsw::IsValidResultStatus(result.GetStatus());
  if (options.validOnly && !valid) return;
  text += '\t' + result.GetPlaceText() + '\t' + result.GetName(withGender) + '\t' + ClubName(result);
  if (valid) text += '\t' + result.GetSwimTimeText();
  std::string comment = result.GetComment();
  if (!comment.empty()) text += '\t' + comment;
  text += kCopyLineEnd;
  if (options.splits) text += IntermediateTimesText(result);
}

// Number and swim style of the event an athlete's result or entry belongs to.
std::string EventColumns(const lnx::IQbLenexEvent* event) {
  if (!event) return "\t\t";
  return '\t' + std::to_string(event->GetNumber()) + '\t' + event->GetSwimStyleText();
}

void AppendAthleteResultRow(std::string& text, const IQbLenexResult& result, TCopyOptions options) {
  if (options.validOnly && !qbsw::IsValidResultStatus(result.GetStatus())) return;
  auto event = result.GetEvent();
  text += EventColumns(event.get());
  if (auto ageGroup = result.GetAgeGroup()) text += ", " + ageGroup->GetText();
  text += '\t' + result.GetSwimTimeText() + '\t' + result.GetPlaceText() + '\t';
  int round = event ? event->GetRound() : qbsw::kRoundTim;
  if (round != qbsw::kRoundTim && round != qbsw::kRoundFht) text += '(' + event->GetRoundName() + ')';
  text += kCopyLineEnd;
  if (options.splits) text += IntermediateTimesText(result);
}

void AppendAthleteEntryRow(std::string& text, const IQbLenexEntry& entry) {
  auto event = entry.GetEvent();
  text += EventColumns(event.get()) + '\t' + entry.GetEntryTimeText();
  if (entry.GetLane() >= 1) {
    auto heat = entry.GetHeat();
    int heatNumber = heat ? heat->GetNumber() : lnx::kNoHeatNumber;
    text += '\t' + frame::Language().FormatText('V', 3, {heatNumber, entry.GetLane()});
  }
  text += kCopyLineEnd;
}

}  // namespace

std::string CopyEventText(const lnx::IQbLenexEvent& event, const lnx::IQbLenexAgeGroup* ageGroup,
                          TCopyOptions options) {
  std::string text = event.GetTitle();
  if (ageGroup) text += ", " + ageGroup->GetDisplayName(lnx::kAgeGroupNameGenderWhenOther);
  text += kCopyLineEnd;
  const int gender = event.GetGender();
  const bool withGender = gender != qbsw::kGenderMale && gender != qbsw::kGenderFemale;
  auto results = ageGroup ? ageGroup->GetResults() : event.GetResults();
  if (results && results->GetCount() > 0) {
    for (const auto& r : *results) AppendResultRow(text, *r, withGender, options);
  } else if (auto entries = event.GetEntries(kEntriesByEntryTime, nullptr)) {
    const bool relay = event.GetSwimStyle().IsRelay();
    for (const auto& e : *entries) AppendEntryRow(text, *e, withGender, relay);
  }
  return qb::Trim(text);
}

std::string CopyAthleteText(const lnx::IQbLenexAthlete& athlete, TCopyOptions options) {
  std::string text = athlete.GetFullNameWithBirthdate() + kCopyLineEnd;
  auto results = athlete.GetResults(kEntriesBySwimStyle, 0);
  if (results && results->GetCount() > 0) {
    for (const auto& r : *results) AppendAthleteResultRow(text, *r, options);
  } else if (auto entries = athlete.GetEntries(kEntriesBySwimStyle, 0)) {
    for (const auto& e : *entries) AppendAthleteEntryRow(text, *e);
  }
  return qb::Trim(text);
}

}  // namespace report
