#include "app/crash_handler.h"

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <typeinfo>

namespace fs = std::filesystem;

namespace app {

namespace {
char gReportFile[4096];
char gVersion[64];
volatile sig_atomic_t gWriting = 0;

void WriteText(int fd, const char* text) {
  size_t length = std::strlen(text);
  while (length > 0) {
    ssize_t n = write(fd, text, length);
    if (n <= 0) return;
    text += n;
    length -= static_cast<size_t>(n);
  }
}

void WriteNumber(int fd, long value) {
  char digits[24];
  int i = sizeof digits - 1;
  digits[i] = 0;
  bool negative = value < 0;
  unsigned long v = negative ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    digits[--i] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v > 0 && i > 1);
  if (negative) digits[--i] = '-';
  WriteText(fd, digits + i);
}

// Only async-signal-safe calls: open, write, backtrace_symbols_fd, close.
void WriteReport(const char* reason, const char* detail) {
  if (gReportFile[0] == 0 || gWriting) return;
  gWriting = 1;
  int fd = open(gReportFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  WriteText(fd, "Lapscope ");
  WriteText(fd, gVersion);
  WriteText(fd, " stopped unexpectedly.\nReason: ");
  WriteText(fd, reason);
  if (detail && *detail) {
    WriteText(fd, ": ");
    WriteText(fd, detail);
  }
  WriteText(fd, "\nTime (seconds since 1970): ");
  WriteNumber(fd, static_cast<long>(time(nullptr)));
  WriteText(fd, "\nProcess: ");
  WriteNumber(fd, static_cast<long>(getpid()));
  WriteText(fd, "\n\nBacktrace:\n");
  void* frames[64];
  int count = backtrace(frames, 64);
  backtrace_symbols_fd(frames, count, fd);
  close(fd);
}

void OnSignal(int signal) {
  const char* name = signal == SIGSEGV   ? "SIGSEGV (invalid memory access)"
                     : signal == SIGBUS  ? "SIGBUS (bus error)"
                     : signal == SIGFPE  ? "SIGFPE (arithmetic error)"
                     : signal == SIGILL  ? "SIGILL (illegal instruction)"
                     : signal == SIGABRT ? "SIGABRT (abort)"
                                         : "fatal signal";
  WriteReport(name, nullptr);
  // Ends the way the signal would have ended the program.
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  raise(signal);
}

void OnTerminate() {
  std::string detail;
  if (std::exception_ptr current = std::current_exception()) {
    try {
      std::rethrow_exception(current);
    } catch (const std::exception& e) {
      detail = std::string(typeid(e).name()) + ": " + e.what();
    } catch (...) {
      detail = "an exception that is no std::exception";
    }
  }
  WriteReport("unhandled exception", detail.c_str());
  std::abort();
}
}  // namespace

std::string CrashReportFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state && fs::path(state).is_absolute()) return std::string(state) + "/lapscope";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.local/state/lapscope";
}

std::string CrashReportFile() { return CrashReportFolder() + "/lapscope.err"; }

void InstallCrashHandler(const std::string& programVersion) {
  std::error_code ec;
  fs::create_directories(CrashReportFolder(), ec);
  std::string file = CrashReportFile();
  if (file.size() < sizeof gReportFile) std::memcpy(gReportFile, file.c_str(), file.size() + 1);
  std::strncpy(gVersion, programVersion.c_str(), sizeof gVersion - 1);
  // backtrace() loads its unwinder on first use, which is not safe inside a signal handler.
  void* warmUp[1];
  backtrace(warmUp, 1);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) sigaction(signal, &action, nullptr);
  std::set_terminate(OnTerminate);
}

}  // namespace app
