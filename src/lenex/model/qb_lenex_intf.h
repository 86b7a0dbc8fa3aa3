// IQbLenex: one open meet document with its error and warning lists, format name, LENEX major
// version, encoding and meets. Two implementations serve it: the element-tree document and the
// view over the converters' legacy meet tree.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lenex/model/qb_lenex_entities_intf.h"
#include "lenex/model/qb_xml_element_intf.h"

namespace lnx {

// Encoding codes of a document.
enum : std::uint8_t { kEncodingOther = 0, kEncodingWindows1250 = 1, kEncodingUtf8 = 2 };

constexpr int kDefaultLenexVersion = 2;

class IQbLenex {
 public:
  virtual ~IQbLenex() = default;
  virtual std::string GetConstructorName() const = 0;
  virtual std::string GetConstructorVersion() const = 0;
  virtual std::uint8_t GetEncoding() const = 0;
  virtual const std::vector<std::string>& GetErrors() const = 0;
  virtual std::string GetFormatName() const = 0;
  virtual int GetVersion() const = 0;
  virtual std::shared_ptr<const IQbLenexMeets> GetMeets() const = 0;
  virtual std::shared_ptr<const IQbLenexRecordLists> GetRecordLists() const = 0;
  virtual TQbXmlElementPtr GetRoot() const = 0;
  virtual std::shared_ptr<const IQbLenexTimeStandardLists> GetTimeStandardLists() const = 0;
  virtual void SetConstructor(const std::string& name, const std::string& version, const std::string& registration) = 0;
  virtual std::string GetVersionText() const = 0;
  virtual const std::vector<std::string>& GetWarnings() const = 0;
  // Writes the document, plain or as a zip archive; answers false when the file could not be written.
  virtual bool SaveToFile(const std::string& file, bool packed) = 0;
  virtual std::string SaveAsText(bool packed) = 0;
};

using TQbLenexPtr = std::shared_ptr<IQbLenex>;

}  // namespace lnx
