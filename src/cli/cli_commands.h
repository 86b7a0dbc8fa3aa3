// Commands of the headless program. Each answers the program's exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lapscope::cli {

enum ExitStatus { kUsable = 0, kRefused = 1, kUsage = 2, kNotSupported = 3, kNoMeet = 4 };

int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunEvents(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunParticipants(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunAthlete(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lapscope::cli
