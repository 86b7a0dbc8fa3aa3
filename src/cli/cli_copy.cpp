// "list" and "athlete": the text the viewer's copy action puts on the clipboard.
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/cli_document.h"
#include "report/app_reports/copy_text.h"

namespace lapscope::cli {

int RunList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  static const char kUsageLine[] =
      "usage: lapscope-cli list FILE --event ID [--agegroup ID] [--splits] [--valid-only] [--lang CODE] [--meet N]\n";
  TMeetOptions options;
  TOpenedMeet opened;
  if (int status =
          PrepareMeet(args, {"--event", "--agegroup", "--splits", "--valid-only"}, kUsageLine, options, opened, err))
    return status;
  if (!options.event) {
    err << "lapscope-cli: list needs --event ID\n" << kUsageLine;
    return kUsage;
  }
  auto event = opened.meet->FindEvent(*options.event);
  if (!event) {
    err << "lapscope-cli: the meet has no event with id " << *options.event << "\n";
    return kUnknownId;
  }
  std::shared_ptr<const lnx::IQbLenexAgeGroup> ageGroup;
  if (options.ageGroup) {
    auto groups = event->GetAgeGroups();
    for (const auto& g : *groups)
      if (g->GetId() == *options.ageGroup) {
        ageGroup = g;
        break;
      }
    if (!ageGroup) {
      err << "lapscope-cli: event " << *options.event << " has no age group with id " << *options.ageGroup << "\n";
      return kUnknownId;
    }
  }
  out << report::CopyEventText(*event, ageGroup.get(), {options.validOnly, options.splits});
  return kUsable;
}

int RunAthlete(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  static const char kUsageLine[] =
      "usage: lapscope-cli athlete FILE --athlete ID [--splits] [--valid-only] [--lang CODE] [--meet N]\n";
  TMeetOptions options;
  TOpenedMeet opened;
  if (int status = PrepareMeet(args, {"--athlete", "--splits", "--valid-only"}, kUsageLine, options, opened, err))
    return status;
  if (!options.athlete) {
    err << "lapscope-cli: athlete needs --athlete ID\n" << kUsageLine;
    return kUsage;
  }
  auto athlete = opened.meet->FindAthlete(*options.athlete);
  if (!athlete) {
    err << "lapscope-cli: the meet has no athlete with id " << *options.athlete << "\n";
    return kUnknownId;
  }
  out << report::CopyAthleteText(*athlete, {options.validOnly, options.splits});
  return kUsable;
}

}  // namespace lapscope::cli
