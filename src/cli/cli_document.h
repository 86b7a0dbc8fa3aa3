// What the commands that read a meet share: their options, the language, and opening the file.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lenex/model/qb_lenex_intf.h"
#include "lenex/model/qb_lenex_meet_intf.h"

namespace lapscope::cli {

// Exit status for an id that the meet does not hold.
inline constexpr int kUnknownId = 5;

struct TMeetOptions {
  std::string file;
  std::string lang = "us";
  int meet = 0;
  std::optional<int> event, ageGroup, athlete;
  bool splits = false;
  bool validOnly = false;
};

// Reads FILE and the options; `allowed` names the options the command takes besides --lang and
// --meet ("--event", "--agegroup", "--athlete", "--splits", "--valid-only"). On a fault writes a
// message to err and answers false.
bool ParseMeetOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                      TMeetOptions& options, std::ostream& err);

bool IsLenexFileType(const std::string& file);

// Makes the language of the two-letter code (a file "lapscope.x<code>" in the data folder, or
// the language it falls back to) the one texts are read in; false for an unknown code.
bool UseLanguage(const std::string& code);

// An opened document and the meet chosen in it.
struct TOpenedMeet {
  lnx::TQbLenexPtr document;
  std::shared_ptr<const lnx::IQbLenexMeet> meet;
};

// Opens the file and picks the meet; on failure writes a one-line message to err and answers
// the exit status (as "info": 1 refused, 3 not supported, 4 no such meet), else 0.
int OpenMeet(const TMeetOptions& options, TOpenedMeet& opened, std::ostream& err);

// The three steps every meet command starts with: options (printing the usage on a fault),
// language, file and meet. Answers 0 or the exit status to stop with.
int PrepareMeet(const std::vector<std::string>& args, const std::vector<std::string>& allowed, const char* usage,
                TMeetOptions& options, TOpenedMeet& opened, std::ostream& err);

}  // namespace lapscope::cli
