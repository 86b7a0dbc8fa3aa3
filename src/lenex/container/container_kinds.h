// Kinds of LENEX files and containers, told apart by the lower-cased file extension.
#pragma once

#include <string_view>

namespace lnx {

// Extensions the older LENEX reader accepts as (possibly scrambled) ZIP containers.
inline constexpr std::string_view kOldReaderContainerExtensions = ".snf;.lxf;.zip;.lxb;.stf;.fxl";

// ".lef" or ".xml": plain XML, read directly and never opened as an archive.
bool IsPlainLenexFile(std::string_view path);
// ".lxf" or ".zip": a document saved under such a name is written as a ZIP archive.
bool IsZippedContainerForSave(std::string_view path);
// One of kOldReaderContainerExtensions.
bool IsOldReaderContainer(std::string_view path);

}  // namespace lnx
