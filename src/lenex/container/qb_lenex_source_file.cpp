#include "lenex/container/qb_lenex_source_file.h"
#include <zip.h>
#include <filesystem>
#include "lenex/container/qb_container_kinds.h"
namespace lnx {
TQbLenexSourceFile::TQbLenexSourceFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) { errors_.push_back("Can not open file !"); return; }
  if (IsPlainLenexFile(path)) { toRead_ = path; return; }
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_RDONLY, &err);
  if (!z) { errors_.push_back("The file is not a readable ZIP archive !"); return; }
  zip_int64_t n = zip_get_num_entries(z, 0);
  for (zip_int64_t i = 0; i < n; ++i) {
    const char* name = zip_get_name(z, i, ZIP_FL_ENC_RAW);
    if (!name || !IsPlainLenexFile(name)) continue;
    zip_file_t* f = zip_fopen_index(z, i, 0);
    if (!f) break;
    std::string data; char buf[65536]; zip_int64_t r;
    while ((r = zip_fread(f, buf, sizeof buf)) > 0) data.append(buf, (size_t)r);
    zip_fclose(f);
    temp_ = qb::TTempFile(qb::MakeUniqueTempFile("lapscope-", ".lef"));
    qb::WriteWholeFile(temp_.Path(), data);
    toRead_ = temp_.Path();
    break;
  }
  zip_close(z);
}
}  // namespace lnx
