#include "lenex/qb_lenex.h"

#include <filesystem>

#include "base/qb_strings.h"
#include "base/temp_files.h"
#include "lenex/container/container_kinds.h"
#include "lenex/container/zip_writer.h"
#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_document_index.h"
#include "lenex/entities/lnx_fee.h"
#include "lenex/entities/lnx_meet.h"
#include "lenex/entities/lnx_time_standard.h"
#include "lenex/qb_id_ref_checker.h"
#include "lenex/qb_text_writer.h"
#include "lenex/qb_xml_writer.h"

namespace lnx {

namespace {
// The maker's contact data written into every document we construct.
struct MakerContact {
  const char* key;
  const char* value;
};
constexpr MakerContact kMakerContact[] = {
    {"name", "Tarnwell"},
    {"street", "1 Example Street"},
    {"city", "Example City"},
    {"zip", "00000"},
    {"country", "XX"},
    {"phone", "+00 000 000 00 00"},
    {"fax", "+00 000 000 00 01"},
    {"email", "info@example.org"},
    {"internet", "https://www.example.org"},
};
}  // namespace

TQbLenex::TQbLenex() : root_(NewXmlElement("LENEX")), index_(std::make_shared<TLnxDocumentIndex>()) {
  SetConstructor("?", "?", "");
}

TQbLenex::TQbLenex(const std::string& file, const TQbLenexReaderClass* readerClass) : TQbLenex() {
  const TQbLenexReaderClass& cls = readerClass ? *readerClass : DefaultLenexReaderClass();
  formatName_ = cls.formatName;
  auto reader = cls.make(file);
  bool ok = reader->Read();
  TakeOver(*reader, ok, &cls == &DefaultLenexReaderClass() || cls.className == "TQbLenexReaderDefault");
}

std::shared_ptr<TQbLenex> TQbLenex::FromReader(TQbLenexReader& reader, bool isDefaultReader) {
  auto doc = std::make_shared<TQbLenex>();
  bool ok = reader.Read();
  doc->TakeOver(reader, ok, isDefaultReader);
  return doc;
}

void TQbLenex::TakeOver(TQbLenexReader& reader, bool readOk, bool isDefaultReader) {
  if (readOk && reader.Root()) root_ = reader.Root();
  encoding_ = reader.GetEncoding();
  errors_.insert(errors_.end(), reader.Errors().begin(), reader.Errors().end());
  warnings_.insert(warnings_.end(), reader.Warnings().begin(), reader.Warnings().end());
  version_ = reader.GetVersion();
  if (isDefaultReader) {
    auto messages = CheckIdReferences(*root_);
    errors_.insert(errors_.end(), messages.begin(), messages.end());
  }
}

std::string TQbLenex::GetConstructorName() const {
  auto* c = root_->FindChild(AtomOf("CONSTRUCTOR"));
  return c ? std::string(c->AttributeView(AtomOf("name"))) : std::string();
}

std::string TQbLenex::GetConstructorVersion() const {
  auto* c = root_->FindChild(AtomOf("CONSTRUCTOR"));
  return c ? std::string(c->AttributeView(AtomOf("version"))) : std::string();
}

std::shared_ptr<const IQbLenexMeets> TQbLenex::GetMeets() const {
  return WrapChildren<IQbLenexMeet, TLnxMeet>(root_->GetOrCreateChild("MEETS"), "MEET", index_);
}

std::shared_ptr<const IQbLenexRecordLists> TQbLenex::GetRecordLists() const {
  return WrapChildren<IQbLenexRecordList, TLnxRecordList, IQbLenexRecordLists>(root_->GetOrCreateChild("RECORDLISTS"),
                                                                               "RECORDLIST", index_);
}

std::shared_ptr<const IQbLenexTimeStandardLists> TQbLenex::GetTimeStandardLists() const {
  return WrapChildren<IQbLenexTimeStandardList, TLnxTimeStandardList>(root_->GetOrCreateChild("TIMESTANDARDLISTS"),
                                                                      "TIMESTANDARDLIST", index_);
}

void TQbLenex::SetConstructor(const std::string& name, const std::string& version, const std::string& registration) {
  root_->SetAttribute("version", qb::Format("%d.0", kDefaultLenexVersion));
  auto constructor = root_->GetOrCreateChild("CONSTRUCTOR");
  constructor->SetAttribute("name", name);
  constructor->SetAttribute("registration", registration);
  constructor->SetAttribute("version", version);
  auto contact = constructor->GetOrCreateChild("CONTACT");
  for (const auto& c : kMakerContact) contact->SetAttribute(c.key, c.value);
}

std::string TQbLenex::GetVersionText() const { return root_->GetAttribute("version"); }

std::string TQbLenex::DocumentText() {
  TStringTextWriter writer;
  WriteXmlDeclaration(writer, true);
  root_->Pack();
  root_->WriteElement(0, writer, true);
  return writer.TakeText();
}

bool TQbLenex::SaveToFile(const std::string& file, bool packed) {
  std::string text = DocumentText();
  std::string ext = qb::ExtractFileExtLower(file);
  std::string folder = std::filesystem::path(file).parent_path().string();
  if (folder.empty()) folder = ".";
  // Written beside the target first, then moved over it, so a failed save leaves the old file.
  qb::TTempFile temp(qb::MakeUniqueTempFileIn(folder, ".lapscope-save-", ext));
  if (temp.Empty()) return false;
  bool ok;
  if (!packed && IsPlainLenexFile(file)) {
    ok = qb::WriteWholeFile(temp.Path(), text);
  } else {
    std::string entry = std::filesystem::path(file).stem().string() + ".lef";
    ok = WriteZipWithOneEntry(temp.Path(), entry, text, nullptr);
  }
  if (!ok) return false;
  std::error_code ec;
  std::filesystem::rename(temp.Path(), file, ec);
  if (ec) return false;
  temp.Release();
  return true;
}

std::string TQbLenex::SaveAsText(bool packed) {
  std::string text = DocumentText();
  if (!packed) return text;
  qb::TTempFile temp(qb::MakeUniqueTempFile("lapscope-", ".lxf"));
  std::string content;
  if (!temp.Empty() && WriteZipWithOneEntry(temp.Path(), "LenexData.lef", text, nullptr))
    qb::ReadWholeFile(temp.Path(), content);
  return content;
}

TQbLenexPtr ReadLenexDocument(const std::string& file, const TQbLenexReaderClass* readerClass) {
  return std::make_shared<TQbLenex>(file, readerClass);
}

}  // namespace lnx
