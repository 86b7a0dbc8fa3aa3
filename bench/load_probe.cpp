// lapscope-load-probe FILE: loads a file through the document entry point once and prints the
// time taken and the process's peak memory, for the memory goal (peak under 3 x file size).
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <iostream>

#include "lenex/qb_lenex.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: lapscope-load-probe FILE\n";
    return 2;
  }
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  auto start = std::chrono::steady_clock::now();
  auto doc = lnx::ReadLenexDocument(argv[1]);
  auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  double fileMb = static_cast<double>(std::filesystem::file_size(argv[1])) / (1024.0 * 1024.0);
  double peakMb = after.ru_maxrss / 1024.0;
  std::cout << "file: " << fileMb << " MiB\nload: " << ms << " ms\nerrors: " << doc->GetErrors().size()
            << "\npeak: " << peakMb << " MiB (" << peakMb / fileMb << " x file, " << before.ru_maxrss / 1024.0
            << " MiB before loading)\n";
  return doc->GetErrors().empty() ? 0 : 1;
}
