// The crash report: on a fatal signal or an unhandled exception the program writes lapscope.err
// with the reason and a backtrace to $XDG_STATE_HOME/lapscope/ (else ~/.local/state/lapscope/),
// then ends as it would have without the handler.
#pragma once

#include <string>

namespace app {

// The folder of the crash report.
std::string CrashReportFolder();
// The report file: <folder>/lapscope.err.
std::string CrashReportFile();

// Installs the handlers for SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT and std::terminate. The
// folder is made and the file name fixed now, so the handler itself only writes.
void InstallCrashHandler(const std::string& programVersion);

}  // namespace app
