// Fuzz target: the default LENEX reader, the id check and the writer over arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto reader = lnx::TQbLenexReaderDefault::FromText(std::string(reinterpret_cast<const char*>(data), size));
  auto doc = lnx::TQbLenex::FromReader(*reader, true);
  std::string text = doc->GetRoot()->AsXmlText(true);
  // What we write must read back without errors.
  auto again = lnx::TQbLenexReaderDefault::FromText(text);
  auto doc2 = lnx::TQbLenex::FromReader(*again, false);
  if (!doc2->GetErrors().empty()) __builtin_trap();
  return 0;
}
