// A file's bytes mapped into memory for one forward scan. Pages the scan has passed can be
// given back, so a large file costs little memory beyond the tree built from it.
#pragma once

#include <string>
#include <string_view>

namespace lnx {

class TQbMappedInput {
 public:
  TQbMappedInput() = default;
  ~TQbMappedInput();
  TQbMappedInput(const TQbMappedInput&) = delete;
  TQbMappedInput& operator=(const TQbMappedInput&) = delete;

  // Answers false when the file cannot be opened or mapped. An empty file maps to empty text.
  bool Open(const std::string& path);
  std::string_view Text() const { return {data_, size_}; }
  // Gives back the pages that lie wholly before the position.
  void ReleaseBefore(size_t position);

 private:
  char* data_ = nullptr;
  size_t size_ = 0;
  size_t released_ = 0;
};

}  // namespace lnx
