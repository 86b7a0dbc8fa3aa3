#include "lenex/qb_text_writer.h"

namespace lnx {

TFileTextWriter::TFileTextWriter(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}

TFileTextWriter::~TFileTextWriter() { Close(); }

void TFileTextWriter::Write(std::string_view text) {
  if (!file_) {
    failed_ = true;
    return;
  }
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

bool TFileTextWriter::Close() {
  if (file_) {
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
  }
  return !failed_;
}

}  // namespace lnx
