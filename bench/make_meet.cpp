// lapscope-make-meet MEGABYTES FILE: writes a synthetic LENEX 3 meet of about that size.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "synthetic_meet.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: lapscope-make-meet MEGABYTES FILE\n";
    return 2;
  }
  double mb = std::atof(argv[1]);
  if (mb <= 0) {
    std::cerr << "lapscope-make-meet: size must be positive\n";
    return 2;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << lapscope::bench::MakeSyntheticMeet(static_cast<std::size_t>(mb * 1024 * 1024));
  return out ? 0 : 1;
}
