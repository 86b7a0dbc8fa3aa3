#include "lenex/container/zip_writer.h"

#include <zip.h>

namespace lnx {

bool WriteZipWithOneEntry(const std::string& zipPath, const std::string& entryName, std::string_view content,
                          std::string* error) {
  auto fail = [&](std::string text) {
    if (error) *error = std::move(text);
    return false;
  };
  if (entryName.empty()) return fail("The archive entry needs a name !");
  int code = 0;
  zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!archive) {
    zip_error_t err;
    zip_error_init_with_code(&err, code);
    std::string text = std::string("The file \"") + zipPath + "\" can not be written: " + zip_error_strerror(&err);
    zip_error_fini(&err);
    return fail(text);
  }
  zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
  zip_int64_t index = source ? zip_file_add(archive, entryName.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
  if (index < 0) {
    if (source) zip_source_free(source);
    std::string text = std::string("The archive can not be made: ") + zip_strerror(archive);
    zip_discard(archive);
    return fail(text);
  }
  zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9);
  if (zip_close(archive) != 0) {
    std::string text = std::string("The file \"") + zipPath + "\" can not be written: " + zip_strerror(archive);
    zip_discard(archive);
    return fail(text);
  }
  return true;
}

}  // namespace lnx
