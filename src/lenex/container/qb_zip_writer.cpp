#include "lenex/container/qb_zip_writer.h"
#include <zip.h>
namespace lnx {
bool WriteZipWithOneEntry(const std::string& zipPath, const std::string& entryName, std::string_view content,
                          std::string* error) {
  int err = 0;
  zip_t* z = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  if (!z) return false;
  zip_source_t* src = zip_source_buffer(z, content.data(), content.size(), 0);
  if (!src || zip_file_add(z, entryName.c_str(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
    if (src) zip_source_free(src);
    zip_discard(z);
    return false;
  }
  return zip_close(z) == 0;
}
}  // namespace lnx
