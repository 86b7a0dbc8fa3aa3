// TQbLenex: the meet document over an element tree, made by running a reader over a file.
#pragma once

#include "lenex/model/qb_lenex_intf.h"
#include "lenex/reader/qb_lenex_reader.h"

namespace lnx {

class TLnxDocumentIndex;

class TQbLenex final : public IQbLenex {
 public:
  // An empty document: root "LENEX" with a CONSTRUCTOR "?" and no meets.
  TQbLenex();
  // Reads a file with a reader class (the default LENEX reader when none is given).
  TQbLenex(const std::string& file, const TQbLenexReaderClass* readerClass);
  // Takes over what an already made reader found (tests, fuzzing); runs the id check as the
  // default reader's documents do.
  static std::shared_ptr<TQbLenex> FromReader(TQbLenexReader& reader, bool isDefaultReader);

  std::string GetConstructorName() const override;
  std::string GetConstructorVersion() const override;
  std::uint8_t GetEncoding() const override { return encoding_; }
  const std::vector<std::string>& GetErrors() const override { return errors_; }
  std::string GetFormatName() const override { return formatName_; }
  int GetVersion() const override { return version_; }
  std::shared_ptr<const IQbLenexMeets> GetMeets() const override;
  std::shared_ptr<const IQbLenexRecordLists> GetRecordLists() const override;
  TQbXmlElementPtr GetRoot() const override { return root_; }
  std::shared_ptr<const IQbLenexTimeStandardLists> GetTimeStandardLists() const override;
  void SetConstructor(const std::string& name, const std::string& version, const std::string& registration) override;
  std::string GetVersionText() const override;
  const std::vector<std::string>& GetWarnings() const override { return warnings_; }
  bool SaveToFile(const std::string& file, bool packed) override;
  std::string SaveAsText(bool packed) override;

 private:
  void TakeOver(TQbLenexReader& reader, bool readOk, bool isDefaultReader);
  // The document text as saved: declaration, packed root, line breaks.
  std::string DocumentText();

  std::vector<std::string> errors_;
  std::vector<std::string> warnings_;
  std::string formatName_ = "LENEX";
  int version_ = kDefaultLenexVersion;
  TQbXmlElementPtr root_;
  std::uint8_t encoding_ = 0;
  // Finding events and athletes by id; handed to the meets and on to every view made from them.
  std::shared_ptr<TLnxDocumentIndex> index_;
};

// The entry point: reads a file into a document, always returned; the caller tests its errors.
TQbLenexPtr ReadLenexDocument(const std::string& file, const TQbLenexReaderClass* readerClass = nullptr);

}  // namespace lnx
