#include "app/result_readers.h"

#include <zip.h>

#include "base/qb_strings.h"
#include "lenex/qb_lenex.h"

namespace app {

std::optional<std::vector<std::string>> ListZipEntries(const std::string& file) {
  int error = 0;
  zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY, &error);
  if (!archive) return std::nullopt;
  std::vector<std::string> names;
  zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    names.push_back(name ? name : "");
  }
  zip_close(archive);
  return names;
}

TTypeKey DecideTypeKey(const std::string& file, const TZipLister& listZip) {
  TTypeKey result{qb::ExtractFileExtLower(file), false};
  if (result.key != ".zip") return result;
  std::optional<std::vector<std::string>> entries = listZip(file);
  if (!entries || entries->empty()) return result;
  for (const std::string& name : *entries)
    if (qb::EqualsNoCaseAscii(qb::ExtractFileName(name), "rcomp.txt")) {
      result.pce3 = true;
      return result;
    }
  result.key = qb::ExtractFileExtLower(qb::ExtractFileName(entries->front()));
  return result;
}

namespace {
lnx::TQbLenexPtr ReadLenex(const std::string& file) {
  lnx::TQbLenexPtr document = lnx::ReadLenexDocument(file);
  // LENEX 1.x goes through the older reader of the converter path, which does not exist yet.
  if (document && document->GetVersion() == 1) return nullptr;
  return document;
}
}  // namespace

const std::vector<TResultReader>& ResultReaders() {
  static const std::vector<TResultReader> readers = {
      {TResultFileType::Pce3, "", nullptr},
      {TResultFileType::Lenex, ";.lxf;.lef;.snf;", ReadLenex},
      {TResultFileType::Sdif, ";.cl2;.sd3;", nullptr},
      {TResultFileType::WasXml, ";.xml;", nullptr},
      {TResultFileType::Dsv, ";.dsv;", nullptr},
  };
  return readers;
}

const TResultReader* FindReader(const std::vector<TResultReader>& readers, const TTypeKey& key) {
  for (const TResultReader& row : readers) {
    if (key.pce3) {
      if (row.type == TResultFileType::Pce3) return &row;
      continue;
    }
    if (!key.key.empty() && !row.keys.empty() && row.keys.find(";" + key.key + ";") != std::string::npos) return &row;
  }
  return nullptr;
}

TOpenOutcome OpenResultDocument(const std::string& file, const std::vector<TResultReader>& readers,
                                const TZipLister& listZip) {
  TOpenOutcome outcome;
  const TResultReader* reader = FindReader(readers, DecideTypeKey(file, listZip));
  if (!reader || !reader->read) return outcome;
  outcome.type = reader->type;
  outcome.document = reader->read(file);
  if (!outcome.document) {
    outcome.type = TResultFileType::Unsupported;
    return outcome;
  }
  auto meets = outcome.document->GetMeets();
  if (!outcome.document->GetErrors().empty())
    outcome.kind = TOpenOutcome::Kind::Errors;
  else if (!meets || meets->GetCount() == 0)
    outcome.kind = TOpenOutcome::Kind::NoMeets;
  else
    outcome.kind = TOpenOutcome::Kind::Loaded;
  return outcome;
}

}  // namespace app
