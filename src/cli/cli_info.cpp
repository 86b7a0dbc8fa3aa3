#include <ostream>

#include "base/qb_strings.h"
#include "cli/cli_commands.h"
#include "cli/cli_document.h"
#include "lenex/qb_lenex.h"

namespace lapscope::cli {

int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: lapscope-cli info FILE\n";
    return kUsage;
  }
  const std::string& file = args[0];
  if (!IsLenexFileType(file)) {
    err << "lapscope-cli: file type not supported: " << file << "\n";
    return kNotSupported;
  }
  auto doc = lnx::ReadLenexDocument(file);
  auto meets = doc->GetMeets();
  out << "format: " << doc->GetFormatName() << "\n"
      << "version: " << doc->GetVersion() << "\n"
      << "version-text: " << doc->GetVersionText() << "\n"
      << "constructor: " << doc->GetConstructorName() << " " << doc->GetConstructorVersion() << "\n"
      << "encoding: " << static_cast<int>(doc->GetEncoding()) << "\n"
      << "meets: " << meets->GetCount() << "\n";
  for (int i = 0; i < meets->GetCount(); ++i) {
    auto meet = meets->GetItem(i);
    // As the main window's competitions box shows it.
    out << "meet " << i << ": " << meet->GetName() << ",  " << meet->GetCity() << "   ( " << meet->GetCourseName()
        << " )\n";
  }
  out << "errors: " << doc->GetErrors().size() << "\n";
  for (const auto& e : doc->GetErrors()) out << "  " << e << "\n";
  out << "warnings: " << doc->GetWarnings().size() << "\n";
  for (const auto& w : doc->GetWarnings()) out << "  " << w << "\n";
  if (!doc->GetErrors().empty()) {
    err << "lapscope-cli: the file cannot be used (" << doc->GetErrors().size() << " errors): " << file << "\n";
    return kRefused;
  }
  if (meets->GetCount() == 0) {
    err << "lapscope-cli: the file holds no meet: " << file << "\n";
    return kNoMeet;
  }
  return kUsable;
}

}  // namespace lapscope::cli
