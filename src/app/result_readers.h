// The table of result file readers and the way the viewer picks one: the lower-cased extension
// is the type key; a ".zip" archive is decided by its listing (an entry "rcomp.txt" makes it a
// PCE 3 archive, else the extension of the first entry is the key). Each format adds one row to
// the table when its reader exists; a row without a reader answers "not supported".
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lenex/model/qb_lenex_intf.h"

namespace app {

enum class TResultFileType { Unsupported, Pce3, Lenex, Sdif, WasXml, Dsv };

// The entry names of a ZIP archive in stored order; none when it cannot be read as one.
using TZipLister = std::function<std::optional<std::vector<std::string>>(const std::string& file)>;
std::optional<std::vector<std::string>> ListZipEntries(const std::string& file);

// The type key of a file: its lower-cased extension; for ".zip" the lower-cased extension of the
// archive's first entry, or ".zip" itself when the archive is empty or unreadable. pce3 is set
// when the archive holds "rcomp.txt" (any case, in any folder).
struct TTypeKey {
  std::string key;
  bool pce3 = false;
};
TTypeKey DecideTypeKey(const std::string& file, const TZipLister& listZip = ListZipEntries);

// A reader answers the document, or none when this kind of file cannot be read yet.
using TResultReadFunction = std::function<lnx::TQbLenexPtr(const std::string& file)>;

struct TResultReader {
  TResultFileType type;
  std::string keys;  // ";.lxf;.lef;" -- the type keys of the format; empty for the PCE 3 row
  TResultReadFunction read;  // empty: not built yet
};

// One row per format: PCE 3, LENEX, SDIF, W.A.S. XML, DSV.
const std::vector<TResultReader>& ResultReaders();

// The row for a type key, or none.
const TResultReader* FindReader(const std::vector<TResultReader>& readers, const TTypeKey& key);

// What opening a file came to.
struct TOpenOutcome {
  enum class Kind { Loaded, Unsupported, Errors, NoMeets };
  Kind kind = Kind::Unsupported;
  TResultFileType type = TResultFileType::Unsupported;
  lnx::TQbLenexPtr document;  // set unless Unsupported
};
TOpenOutcome OpenResultDocument(const std::string& file, const std::vector<TResultReader>& readers = ResultReaders(),
                                const TZipLister& listZip = ListZipEntries);

}  // namespace app
