#include "lenex/reader/qb_lenex_reader.h"

#include <map>

#include "lenex/qb_lenex_codes.h"
#include "lenex/reader/qb_lenex_reader_default.h"

namespace lnx {

TQbLenexReader::TQbLenexReader(std::string file) : root_(NewXmlElement("LENEX")), file_(std::move(file)) {}

void TQbLenexReader::StartDocument(const std::string& constructorName, const std::string& constructorVersion,
                                   std::uint8_t encoding, const std::string& lenexVersion) {
  root_ = NewXmlElement("LENEX");
  encoding_ = encoding;
  root_->SetAttribute("version", lenexVersion);
  auto constructor = root_->GetOrCreateChild("CONSTRUCTOR");
  constructor->SetAttribute("name", constructorName);
  constructor->SetAttribute("version", constructorVersion);
}

TQbXmlElementPtr TQbLenexReader::AddMeet(const std::string& name, int courseCode) {
  auto meet = root_->GetOrCreateChild("MEETS")->AddNewChild("MEET");
  meet->SetAttribute("name", name);
  meet->SetAttribute("course", CodeText(TQbCodeTable::Course, courseCode));
  return meet;
}

void TQbLenexReader::NewRoot() { root_ = NewXmlElement("LENEX"); }

namespace {
std::map<std::string, TQbLenexReaderClass>& Registry() {
  static std::map<std::string, TQbLenexReaderClass> registry;
  return registry;
}
}  // namespace

const TQbLenexReaderClass& DefaultLenexReaderClass() {
  static const TQbLenexReaderClass kDefault{
      "TQbLenexReaderDefault", "LENEX",
      [](const std::string& file) { return std::make_unique<TQbLenexReaderDefault>(file); }};
  return kDefault;
}

void RegisterReaderClass(const TQbLenexReaderClass& readerClass) { Registry()[readerClass.className] = readerClass; }

const TQbLenexReaderClass* FindReaderClass(const std::string& className) {
  if (className == DefaultLenexReaderClass().className) return &DefaultLenexReaderClass();
  auto it = Registry().find(className);
  return it == Registry().end() ? nullptr : &it->second;
}

}  // namespace lnx
