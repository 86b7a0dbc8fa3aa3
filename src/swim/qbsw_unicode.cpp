#include "swim/qbsw_unicode.h"

#include <unicode/locid.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <memory>
#include <mutex>

namespace qbsw {

namespace {

icu::UnicodeString FromUtf8(std::string_view text) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string ToUtf8(const icu::UnicodeString& text) {
  std::string result;
  text.toUTF8String(result);
  return result;
}

}  // namespace

std::string UpperCase(std::string_view text) {
  icu::UnicodeString u = FromUtf8(text);
  u.toUpper(icu::Locale::getRoot());
  return ToUtf8(u);
}

std::string FoldCase(std::string_view text) {
  icu::UnicodeString u = FromUtf8(text);
  u.foldCase(U_FOLD_CASE_DEFAULT);
  return ToUtf8(u);
}

bool EqualsAnyCase(std::string_view a, std::string_view b) {
  return FromUtf8(a).caseCompare(FromUtf8(b), U_FOLD_CASE_DEFAULT) == 0;
}

bool StartsWithAnyCase(std::string_view text, std::string_view prefix) {
  const std::string folded = FoldCase(text);
  const std::string foldedPrefix = FoldCase(prefix);
  return folded.compare(0, foldedPrefix.size(), foldedPrefix) == 0;
}

std::string PlainLetters(std::string_view text) {
  static std::mutex guard;
  static std::unique_ptr<icu::Transliterator> plain;
  icu::UnicodeString u = FromUtf8(text);
  std::lock_guard<std::mutex> lock(guard);
  if (!plain) {
    UErrorCode status = U_ZERO_ERROR;
    plain.reset(icu::Transliterator::createInstance("NFD; [:Nonspacing Mark:] Remove; NFC; Latin-ASCII",
                                                    UTRANS_FORWARD, status));
    if (U_FAILURE(status)) plain.reset();
    if (!plain) return std::string(text);
  }
  plain->transliterate(u);
  return ToUtf8(u);
}

std::string FirstCharacter(std::string_view text) {
  if (text.empty()) return {};
  int32_t offset = 0;
  UChar32 c = 0;
  U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), offset, static_cast<int32_t>(text.size()), c);
  (void)c;
  return std::string(text.substr(0, static_cast<size_t>(offset)));
}

}  // namespace qbsw
