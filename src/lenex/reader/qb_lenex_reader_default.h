// The default LENEX reader: scans LENEX XML into an element tree rooted at "LENEX", keeping every
// element and attribute, and reports problems as "Line %d: %s" messages.
#pragma once

#include <memory>
#include <optional>

#include "lenex/reader/qb_lenex_reader.h"

namespace lnx {

class TQbLenexSourceFile;
class TQbMappedInput;

class TQbLenexReaderDefault : public TQbLenexReader {
 public:
  // Over a file: ".lef" and ".xml" are read directly, any other file as a ZIP container.
  explicit TQbLenexReaderDefault(const std::string& file);
  // Over text already in memory (tests, fuzzing).
  static std::unique_ptr<TQbLenexReaderDefault> FromText(std::string text);
  ~TQbLenexReaderDefault() override;

  bool Read() override;
  int GetVersion() const override { return version_; }
  std::uint8_t GetEncoding() const override { return encodingFound_; }

  // Elements nested deeper than this end reading with an error (a defence against hostile input).
  static constexpr size_t kMaxDepth = 512;

 private:
  TQbLenexReaderDefault();
  bool LoadInput();

  std::unique_ptr<TQbLenexSourceFile> source_;
  std::unique_ptr<TQbMappedInput> mapped_;
  std::optional<std::string> input_;
  int version_ = 2;
  std::uint8_t encodingFound_ = 0;
};

}  // namespace lnx
