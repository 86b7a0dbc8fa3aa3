// "events" and "participants": the two browse trees, one node per line, as the pages show them.
#include <map>
#include <ostream>
#include <string>
#include <tuple>

#include "app/browse/clubs_list.h"
#include "app/browse/clubs_tree.h"
#include "app/browse/events_tree.h"
#include "app/browse/recording_painter.h"
#include "cli/cli_commands.h"
#include "cli/cli_document.h"
#include "lenex/model/qb_lenex_participants_intf.h"

namespace lapscope::cli {

namespace {

using app::TBrowseNode;
using app::TNodeData;

std::string Indent(int level) { return std::string(static_cast<size_t>(level) * 2, ' '); }

std::string EventsReference(const TNodeData* data) {
  if (!data) return {};
  if (data->kind == TNodeData::Kind::Event && data->event)
    return "\t[eventid=" + std::to_string(data->event->GetId()) + "]";
  if (data->kind == TNodeData::Kind::AgeGroup && data->ageGroup)
    return "\t[agegroupid=" + std::to_string(data->ageGroup->GetId()) + "]";
  return {};
}

void PrintEventNodes(const app::TBrowseNodes& nodes, int level, std::ostream& out) {
  for (const TBrowseNode& node : nodes) {
    out << Indent(level) << node.text << EventsReference(node.data.get()) << "\n";
    PrintEventNodes(node.children, level + 1, out);
  }
}

// Where a relay sits in the document: its club among the meet's clubs and its place among the
// club's relays, both counting from 0. The interfaces give no identity, so a relay is known by
// its club's name, code and nation and its own number, gender and name.
class TRelayPlaces {
 public:
  explicit TRelayPlaces(const lnx::IQbLenexMeet& meet) {
    auto clubs = meet.GetClubs(0);
    if (!clubs) return;
    for (int c = 0; c < clubs->GetCount(); ++c) {
      auto club = clubs->GetItem(c);
      auto relays = club->GetRelays();
      if (!relays) continue;
      for (int r = 0; r < relays->GetCount(); ++r)
        places_.emplace(Key(*club, *relays->GetItem(r)), std::to_string(c) + "." + std::to_string(r));
    }
  }
  std::string Of(const lnx::IQbLenexClub* club, const lnx::IQbLenexRelay& relay) const {
    if (!club) return "?";
    auto found = places_.find(Key(*club, relay));
    return found == places_.end() ? "?" : found->second;
  }

 private:
  using TKey = std::tuple<std::string, std::string, std::string, int, int, std::string>;
  static TKey Key(const lnx::IQbLenexClub& club, const lnx::IQbLenexRelay& relay) {
    return {club.GetName(),    club.GetCode(),    club.GetNation(),
            relay.GetNumber(), relay.GetGender(), relay.GetName(false)};
  }
  std::map<TKey, std::string> places_;  // emplace keeps the first of equal keys
};

// The counter lines of a group or club as the participants page draws them: a label at the left
// and its number right-aligned on the same line (the contact lines that follow stand alone).
void PrintCounters(const app::TClubStatistic& statistic, int level, std::ostream& out) {
  app::TRecordingPainter painter;
  app::DrawClubStatistic(painter, statistic);
  auto texts = painter.Texts();
  for (size_t i = 0; i + 1 < texts.size(); ++i) {
    const auto& label = texts[i];
    const auto& number = texts[i + 1];
    if (label.y != number.y || !(number.flags & app::kDrawRight)) continue;
    out << Indent(level) << "# " << label.text << "\t" << number.text << "\n";
    ++i;
  }
}

void PrintClubNodes(const app::TBrowseNodes& nodes, int level, const lnx::IQbLenexClub* club,
                    const TRelayPlaces& relays, std::ostream& out) {
  for (const TBrowseNode& node : nodes) {
    const TNodeData* data = node.data.get();
    out << Indent(level) << node.text;
    if (data && data->kind == TNodeData::Kind::Athlete && data->athlete)
      out << "\t[athleteid=" << data->athlete->GetId() << "]";
    else if (data && data->kind == TNodeData::Kind::Relay && data->relay)
      out << "\t[relay=" << relays.Of(club, *data->relay) << "]";
    out << "\n";
    const lnx::IQbLenexClub* own = club;
    if (data && data->statistic) {
      PrintCounters(*data->statistic, level + 1, out);
      if (data->statistic->Club()) own = data->statistic->Club().get();
    }
    PrintClubNodes(node.children, level + 1, own, relays, out);
  }
}

const char kEventsUsage[] = "usage: lapscope-cli events FILE [--lang CODE] [--meet N]\n";
const char kParticipantsUsage[] = "usage: lapscope-cli participants FILE [--lang CODE] [--meet N]\n";

}  // namespace

int RunEvents(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TOpenedMeet opened;
  TMeetOptions options;
  if (int status = PrepareMeet(args, {}, kEventsUsage, options, opened, err)) return status;
  PrintEventNodes(app::FillEventsTree(*opened.meet), 0, out);
  return kUsable;
}

int RunParticipants(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TOpenedMeet opened;
  TMeetOptions options;
  if (int status = PrepareMeet(args, {}, kParticipantsUsage, options, opened, err)) return status;
  TRelayPlaces relays(*opened.meet);
  PrintClubNodes(app::FillClubsTree(*opened.meet, app::TFlagMap()), 0, nullptr, relays, out);
  return kUsable;
}

}  // namespace lapscope::cli
