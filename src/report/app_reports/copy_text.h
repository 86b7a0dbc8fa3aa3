// The plain text that the main window's copy action puts on the clipboard: the selected event
// (or one of its age groups) with its results or entries, or the selected athlete with his
// results or entries. Columns are separated by tabs and lines end with CR LF, so the text pastes
// into a spreadsheet. The same text is printed by lapscope-cli ("list", "athlete").
#pragma once

#include <string>

#include "lenex/model/qb_lenex_agegroup_intf.h"
#include "lenex/model/qb_lenex_entry_intf.h"
#include "lenex/model/qb_lenex_event_intf.h"
#include "lenex/model/qb_lenex_participants_intf.h"

namespace report {

// The check boxes of the page the text is copied from.
struct TCopyOptions {
  bool validOnly = false;  // leave out results that are not valid
  bool splits = false;     // add the intermediate-time block below each result
};

inline constexpr char kCopyLineEnd[] = "\r\n";

// The event title (with ", " and the age group's display name when one is given), then one line
// per result of the age group or the event, or, when there are none, per entry of the event.
// The whole text is trimmed (no leading or trailing blanks, tabs or line ends).
std::string CopyEventText(const lnx::IQbLenexEvent& event, const lnx::IQbLenexAgeGroup* ageGroup, TCopyOptions options);

// The athlete's name and birth date, then one line per result, or, when there are none, per
// entry. Trimmed like CopyEventText. options.validOnly leaves out invalid results, as the
// participants page does.
std::string CopyAthleteText(const lnx::IQbLenexAthlete& athlete, TCopyOptions options);

// The tab-separated block of intermediate times of a result (an entry has none) or of the relay
// swimmers of a relay entry or result; empty when the item has neither splits nor relay
// positions. Every line starts with a tab; the block ends with CR LF.
std::string IntermediateTimesText(const lnx::IQbLenexEntry& item);

}  // namespace report
