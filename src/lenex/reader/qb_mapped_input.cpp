#include "lenex/reader/qb_mapped_input.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lnx {

TQbMappedInput::~TQbMappedInput() {
  if (data_ && size_ > 0) munmap(data_, size_);
}

bool TQbMappedInput::Open(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  size_ = static_cast<size_t>(st.st_size);
  if (size_ == 0) {
    ::close(fd);
    return true;
  }
  void* p = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
  ::close(fd);
  if (p == MAP_FAILED) {
    size_ = 0;
    return false;
  }
  data_ = static_cast<char*>(p);
  return true;
}

void TQbMappedInput::ReleaseBefore(size_t position) {
  static const size_t kPage = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  if (!data_ || position > size_) return;
  size_t end = position / kPage * kPage;
  if (end <= released_) return;
  madvise(data_ + released_, end - released_, MADV_DONTNEED);
  released_ = end;
}

}  // namespace lnx
