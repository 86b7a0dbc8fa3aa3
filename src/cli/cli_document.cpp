#include "cli/cli_document.h"

#include <algorithm>
#include <ostream>

#include "base/qb_strings.h"
#include "cli/cli_commands.h"
#include "frame/language/language_manager.h"
#include "frame/language/language_table.h"
#include "frame/language/qb_language_txt_files.h"
#include "frame/language/swim_text_bridge.h"
#include "lenex/qb_lenex.h"

namespace lapscope::cli {

namespace {

bool ReadNumber(const std::vector<std::string>& args, size_t& i, int& value, std::ostream& err) {
  if (i + 1 >= args.size() || !qb::TryParseInt(args[i + 1], value)) {
    err << "lapscope-cli: " << args[i] << " needs a number\n";
    return false;
  }
  ++i;
  return true;
}

}  // namespace

bool IsLenexFileType(const std::string& file) {
  static const char* kExts[] = {".lef", ".xml", ".lxf", ".zip", ".snf", ".lxb", ".stf", ".fxl"};
  std::string ext = qb::ExtractFileExtLower(file);
  for (const char* e : kExts)
    if (ext == e) return true;
  return false;
}

bool ParseMeetOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                      TMeetOptions& options, std::ostream& err) {
  bool haveFile = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool takes = std::find(allowed.begin(), allowed.end(), a) != allowed.end();
    int number = 0;
    if (a == "--lang") {
      if (i + 1 >= args.size()) {
        err << "lapscope-cli: --lang needs a language code\n";
        return false;
      }
      options.lang = args[++i];
    } else if (a == "--meet") {
      if (!ReadNumber(args, i, options.meet, err)) return false;
    } else if (takes && (a == "--event" || a == "--agegroup" || a == "--athlete")) {
      if (!ReadNumber(args, i, number, err)) return false;
      (a == "--event" ? options.event : a == "--agegroup" ? options.ageGroup : options.athlete) = number;
    } else if (takes && a == "--splits") {
      options.splits = true;
    } else if (takes && a == "--valid-only") {
      options.validOnly = true;
    } else if (!haveFile && !qb::StartsWith(a, "--")) {
      options.file = a;
      haveFile = true;
    } else {
      err << "lapscope-cli: unexpected argument: " << a << "\n";
      return false;
    }
  }
  if (!haveFile) {
    err << "lapscope-cli: no file given\n";
    return false;
  }
  return true;
}

bool UseLanguage(const std::string& code) {
  int id = frame::LanguageIdOfCode(code);
  if (id <= 0) return false;
  frame::ConnectSwimValueTexts();
  // The manager reads the screen language of the ini file; the code given here wins over it.
  frame::Language();
  frame::QbLanguage().SetLanguage(id);
  return true;
}

int OpenMeet(const TMeetOptions& options, TOpenedMeet& opened, std::ostream& err) {
  if (!IsLenexFileType(options.file)) {
    err << "lapscope-cli: file type not supported: " << options.file << "\n";
    return kNotSupported;
  }
  opened.document = lnx::ReadLenexDocument(options.file);
  const auto& errors = opened.document->GetErrors();
  if (!errors.empty()) {
    err << "lapscope-cli: the file cannot be used (" << errors.front() << "): " << options.file << "\n";
    return kRefused;
  }
  auto meets = opened.document->GetMeets();
  opened.meet = meets->GetItem(options.meet);
  if (!opened.meet) {
    err << "lapscope-cli: the file holds no meet " << options.meet << ": " << options.file << "\n";
    return kNoMeet;
  }
  return kUsable;
}

int PrepareMeet(const std::vector<std::string>& args, const std::vector<std::string>& allowed, const char* usage,
                TMeetOptions& options, TOpenedMeet& opened, std::ostream& err) {
  if (!ParseMeetOptions(args, allowed, options, err)) {
    err << usage;
    return kUsage;
  }
  if (!UseLanguage(options.lang)) {
    err << "lapscope-cli: unknown language code: " << options.lang << "\n";
    return kUsage;
  }
  return OpenMeet(options, opened, err);
}

}  // namespace lapscope::cli
