// The nation and region codes that have a flag picture, and the map from a code to the picture's
// index in the main window's image list ("code=index" entries, as the trees ask for them).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

// SUI, GER, AUT, ... YUG, then the Swiss regional associations (codes with an underscore), in
// the order their pictures are appended to the image list.
const std::vector<std::string>& FlagCodes();

class TFlagMap {
 public:
  // Adds "code=index".
  void Add(std::string_view code, int imageIndex);
  // The image index of a code (exact), or -1.
  int IndexOf(std::string_view code) const;
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

}  // namespace app
