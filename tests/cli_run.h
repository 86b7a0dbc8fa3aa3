// Runs the headless program with arguments (a shell command line) and collects what it writes.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace testing_support {

struct CliRun {
  int status;
  std::string out;
};

// Standard output, and standard error too when withErrors is set.
inline CliRun Cli(const std::string& args, bool withErrors = true) {
  std::string command = std::string("'") + LAPSCOPE_CLI + "' " + args + (withErrors ? " 2>&1" : " 2>/dev/null");
  CliRun r{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
  int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace testing_support
