#include "app/browse/clubs_list.h"

#include <algorithm>

#include "app/browse/detail_lines.h"
#include "base/qb_strings.h"
#include "frame/language/language_manager.h"
#include "lenex/model/qb_lenex_agegroup_intf.h"
#include "lenex/model/qb_lenex_event_intf.h"
#include "lenex/model/qb_lenex_heat_intf.h"
#include "swim/qbsw_codes.h"

namespace app {

namespace {
// The language text of each counter.
constexpr int kCounterText[11] = {0, 14, 15, 16, 18, 19, 20, 21, 17, 23, 22};
constexpr int kCounterOrder[10] = {8, 4, 5, 6, 7, 1, 2, 3, 10, 9};

void Put(TListPainter& painter, int x, int y, int width, int flags, const std::string& text) {
  if (!text.empty()) painter.DrawText(x, y, width, flags, text);
}

int DrawContact(TListPainter& painter, const lnx::IQbLenexContact& contact, int y) {
  frame::TLanguage& language = frame::Language();
  auto line = [&](const std::string& text) {
    if (qb::Trim(text).empty()) return;
    painter.DrawText(10, y, 0, kDrawLeft, text);
    y += 15;
  };
  auto labelled = [&](const std::string& label, const std::string& value) {
    if (!value.empty()) line(label + value);
  };
  line(language.GetText('V', 24));
  line(contact.GetName());
  line(contact.GetStreet());
  line(contact.GetStreet2());
  line(contact.GetZip() + " " + contact.GetCity());
  labelled(language.GetText('V', 25), contact.GetPhone());
  labelled(language.GetText('V', 26), contact.GetFax());
  labelled("Email: ", contact.GetEmail());
  labelled("URL: ", contact.GetInternet());
  return y;
}

TListHeader HeaderFor(bool resultsMode, bool pointTable) {
  frame::TLanguage& language = frame::Language();
  TListHeader header;
  header.visible = true;
  if (resultsMode) {
    header.timeTitle = language.GetText('V', 11);
    header.lastTitle = language.GetText('V', 12);
    header.lastAlign = TListHeader::Align::Centre;
    header.lastWidth = pointTable ? 40 : 0;
  } else {
    header.timeTitle = language.GetText('S', 17);
    header.lastTitle = language.GetText('V', 13);
    header.lastAlign = TListHeader::Align::Left;
    header.lastWidth = 70;
  }
  return header;
}

int SeparatorEnd(const TColumnEdges& cols) { return std::max(cols.Right(4) - 1, cols.Width(0) + 300); }

void DrawResults(TListPainter& painter, const TClubsListRequest& request, const TColumnEdges& cols,
                 const lnx::IQbLenexResults& results) {
  const int m = cols.Left(4) + cols.Width(4) / 2 - 1;
  int y = 5;
  for (const auto& result : results) {
    const bool valid = qbsw::IsValidResultStatus(result->GetResultStatus());
    if (!valid && request.onlyValids) continue;
    auto event = result->GetEvent();
    const int round = event ? event->GetRound() : qbsw::kRoundTim;
    if (event) {
      Put(painter, cols.Width(0) / 2, y, 0, kDrawCentre, std::to_string(event->GetNumber()));
      Put(painter, cols.Left(1) + 3, y, cols.Width(1) - 6, kDrawLeft, event->GetSwimStyleText());
    }
    if (auto ageGroup = result->GetAgeGroup())
      Put(painter, cols.Left(2) + 3, y, cols.Width(2) - 6, kDrawLeft,
          ageGroup->GetDisplayName(lnx::kAgeGroupNameGenderWhenOther));
    Put(painter, cols.Right(3) - 3, y, 0, kDrawRight | (valid ? kDrawBold : kDrawItalic), result->GetSwimTimeText());
    // Heats and semi-finals rank nothing final: their places are not bold.
    if (round == qbsw::kRoundPre || round == qbsw::kRoundSem)
      Put(painter, m, y, 0, kDrawCentre, result->GetPlaceText());
    else
      Put(painter, m - 2, y, 0, kDrawCentre | kDrawBold, result->GetPlaceText());
    std::string note = result->GetComment();
    if (round != qbsw::kRoundTim && round != qbsw::kRoundFht && event) {
      std::string roundName = event->GetRoundName();
      note = note.empty() ? "(" + roundName + ")" : "(" + roundName + "), " + note;
    }
    Put(painter, cols.Right(5) + 5, y, 0, kDrawLeft, note);
    if (result->GetPoints() > 0)
      Put(painter, (cols.Left(5) + cols.Right(5)) / 2 - 2, y, 0, kDrawCentre, std::to_string(result->GetPoints()));
    if (request.split) {
      y = DrawDetailLines(painter, *result, m, cols.Width(0), y);
      painter.DrawLine(5, y + 14, SeparatorEnd(cols), y + 14, 1);
      y += 17;
    } else {
      y += 15;
    }
  }
}

void DrawEntries(TListPainter& painter, const TColumnEdges& cols, const lnx::IQbLenexEntries& entries) {
  const int m = cols.Left(4) + cols.Width(4) / 2 - 1;
  int y = 5;
  for (const auto& entry : entries) {
    auto event = entry->GetEvent();
    const int round = event ? event->GetRound() : qbsw::kRoundTim;
    if (event) {
      Put(painter, cols.Width(0) / 2, y, 0, kDrawCentre, std::to_string(event->GetNumber()));
      Put(painter, cols.Left(1) + 3, y, cols.Width(1) - 6, kDrawLeft, event->GetSwimStyleText());
    }
    Put(painter, cols.Right(3) - 3, y, 0, kDrawRight, entry->GetEntryTimeText());
    if (event && round != qbsw::kRoundTim && round != qbsw::kRoundPre && round != qbsw::kRoundFht)
      Put(painter, cols.Right(5) + 5, y, 0, kDrawLeft, event->GetRoundName());
    // Heat and lane; a lane without a known heat does not show the "no heat" number -1.
    auto heat = entry->GetLane() > 0 ? entry->GetHeat() : nullptr;
    if (heat && heat->GetNumber() > 0)
      Put(painter, cols.Left(5) + 10, y, 0, kDrawLeft, qb::Format("%d / %d", heat->GetNumber(), entry->GetLane()));
    if (event && event->GetSwimStyle().IsRelay()) {
      y = DrawDetailLines(painter, *entry, m, cols.Width(0), y);
      painter.DrawLine(5, y + 14, SeparatorEnd(cols), y + 14, 1);
      y += 17;
    } else {
      y += 15;
    }
  }
}
}  // namespace

int DrawClubStatistic(TListPainter& painter, const TClubStatistic& statistic) {
  frame::TLanguage& language = frame::Language();
  int y = 5;
  for (int counter : kCounterOrder) {
    int value = statistic.Get(counter);
    if (value <= 0) continue;
    painter.DrawText(10, y, 0, kDrawLeft, language.GetText('V', kCounterText[counter]));
    painter.DrawText(200, y, 0, kDrawRight, std::to_string(value));
    y += 15;
  }
  y += 10;
  if (statistic.Club())
    if (auto contact = statistic.Club()->GetContact()) y = DrawContact(painter, *contact, y);
  return y;
}

TClubsListOutcome DrawClubsList(TListPainter& painter, const TClubsListRequest& request) {
  TClubsListOutcome outcome;
  const TNodeData* data = request.data.get();
  if (!data) return outcome;
  if (request.level <= 1) {
    if (!data->statistic) return outcome;
    DrawClubStatistic(painter, *data->statistic);
    outcome.drawn = true;
    return outcome;
  }
  std::shared_ptr<const lnx::IQbLenexResults> results;
  std::shared_ptr<const lnx::IQbLenexEntries> entries;
  if (data->kind == TNodeData::Kind::Athlete && data->athlete) {
    results = data->athlete->GetResults(lnx::kEntriesBySwimStyle, 0);
    entries = data->athlete->GetEntries(lnx::kEntriesBySwimStyle, 0);
    outcome.athlete = data->athlete;
  } else if (data->kind == TNodeData::Kind::Relay && data->relay) {
    results = data->relay->GetResults(lnx::kEntriesBySwimStyle, 0);
    entries = data->relay->GetEntries(lnx::kEntriesBySwimStyle, 0);
  } else {
    return outcome;
  }
  outcome.drawn = true;
  outcome.resultsMode = results && results->GetCount() > 0;
  outcome.header = HeaderFor(outcome.resultsMode, request.pointTable);
  TColumnEdges cols(request.widths);
  cols.SetWidth(5, outcome.header.lastWidth);
  if (outcome.resultsMode)
    DrawResults(painter, request, cols, *results);
  else if (entries)
    DrawEntries(painter, cols, *entries);
  return outcome;
}

}  // namespace app
