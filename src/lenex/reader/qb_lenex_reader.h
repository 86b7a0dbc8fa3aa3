// The family of document readers. A reader turns one input file into the element tree of a
// document and collects its messages; the document constructor drives whichever class it is given.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lenex/model/qb_xml_element_intf.h"

namespace lnx {

class TQbLenexReader {
 public:
  explicit TQbLenexReader(std::string file);
  virtual ~TQbLenexReader() = default;
  TQbLenexReader(const TQbLenexReader&) = delete;
  TQbLenexReader& operator=(const TQbLenexReader&) = delete;

  // Reads the whole input; answers whether it could be read at all.
  virtual bool Read() = 0;
  virtual int GetVersion() const { return 0; }
  virtual std::uint8_t GetEncoding() const { return encoding_; }

  const TQbXmlElementPtr& Root() const { return root_; }
  const std::vector<std::string>& Errors() const { return errors_; }
  const std::vector<std::string>& Warnings() const { return warnings_; }
  const std::string& File() const { return file_; }

  // Building operations for readers that construct a document themselves.
  void StartDocument(const std::string& constructorName, const std::string& constructorVersion,
                     std::uint8_t encoding, const std::string& lenexVersion);
  TQbXmlElementPtr AddMeet(const std::string& name, int courseCode);
  void NewRoot();

 protected:
  TQbXmlElementPtr root_;
  std::vector<std::string> errors_;
  std::vector<std::string> warnings_;
  std::uint8_t encoding_ = 0;
  std::string file_;
};

// The parent class of readers that build a meet themselves.
class TQbLenexReaderMeet : public TQbLenexReader {
 public:
  using TQbLenexReader::TQbLenexReader;
};

// A reader class: its name, the format name its documents report, and its factory.
struct TQbLenexReaderClass {
  std::string className;
  std::string formatName;
  std::function<std::unique_ptr<TQbLenexReader>(const std::string& file)> make;
};

const TQbLenexReaderClass& DefaultLenexReaderClass();
// Readers of other formats register here; the table is looked up by class name.
void RegisterReaderClass(const TQbLenexReaderClass& readerClass);
const TQbLenexReaderClass* FindReaderClass(const std::string& className);

}  // namespace lnx
