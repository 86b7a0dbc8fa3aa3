// lapscope-cli: reads result files without a display and prints what the viewer would show.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace {

const char kUsageText[] =
    "usage: lapscope-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  info FILE   Reads a result file and prints, one item per line: format, version,\n"
    "              version-text, constructor, encoding, meets (their number), errors\n"
    "              (count, then each message indented) and warnings (likewise).\n"
    "  events FILE Prints the events tree as the events page shows it: one node per line,\n"
    "              two blanks of indentation per level, then a tab and [eventid=ID] or\n"
    "              [agegroupid=ID].\n"
    "  participants FILE\n"
    "              Prints the participants tree likewise, with [athleteid=ID] for athletes and\n"
    "              [relay=C.R] for relays (club C of the file's clubs, relay R of the club's\n"
    "              relays, both counting from 0); below a group or club its non-zero\n"
    "              counters, \"# \" label, tab, number, one level deeper.\n"
    "  list FILE --event ID [--agegroup ID] [--splits] [--valid-only]\n"
    "              Prints the event (or one of its age groups) with its results, or its\n"
    "              entries when it has none, as the viewer copies it to the clipboard:\n"
    "              columns separated by tabs, lines ended by CR LF. --splits adds the\n"
    "              intermediate times, --valid-only leaves out results that are not valid.\n"
    "  athlete FILE --athlete ID [--splits] [--valid-only]\n"
    "              Prints the athlete with his results, or his entries, likewise.\n"
    "  --help      Shows this text.\n"
    "\n"
    "Options of events, participants, list and athlete:\n"
    "  --lang CODE  Language of the texts, a language file lapscope.xCODE (default us).\n"
    "  --meet N     The meet of the file, counting from 0 (default 0).\n"
    "\n"
    "Output is UTF-8.\n"
    "Exit status: 0 usable, 1 refused (the file has errors), 2 usage,\n"
    "             3 file type not supported, 4 no meet in the file (or no meet N),\n"
    "             5 the meet has no event, age group or athlete with that id.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace lapscope::cli;
  if (argc < 2) {
    std::cerr << kUsageText;
    return ExitStatus::kUsage;
  }
  std::string command = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsageText;
    return 0;
  }
  if (command == "info") return RunInfo(args, std::cout, std::cerr);
  if (command == "events") return RunEvents(args, std::cout, std::cerr);
  if (command == "participants") return RunParticipants(args, std::cout, std::cerr);
  if (command == "list") return RunList(args, std::cout, std::cerr);
  if (command == "athlete") return RunAthlete(args, std::cout, std::cerr);
  std::cerr << "lapscope-cli: unknown command: " << command << "\n\n" << kUsageText;
  return ExitStatus::kUsage;
}
