// Short ("10 - 12", "1997 - 1999") and long ("10 - 12 years", "AG 120 - 159") age group texts.
#include "base/qb_strings.h"
#include "swim/qbsw_age_range.h"
#include "swim/qbsw_format.h"
#include "swim/qbsw_language.h"

namespace qbsw {

namespace {

constexpr int kUnbounded = TQbSwAgeRange::kUnbounded;

}  // namespace

std::string TQbSwLanguage::AgeGroupOverrideKey(int gender, int minAge, int maxAge) {
  return qb::Format("%s;%d;%d", std::string(ExchangeCode(TQbSwCodeList::Gender, gender)).c_str(), minAge, maxAge);
}

void TQbSwLanguage::SetAgeGroupOverride(bool longForm, const std::string& key, const std::string& text) {
  (longForm ? longOverrides_ : shortOverrides_)[key] = text;
}

void TQbSwLanguage::ClearAgeGroupOverrides() {
  shortOverrides_.clear();
  longOverrides_.clear();
}

std::string TQbSwLanguage::ShortAgeGroupText(const TQbSwAgeRange& range, int gender, int refYear) const {
  return AgeGroupText(range, gender, refYear, false);
}

std::string TQbSwLanguage::LongAgeGroupText(const TQbSwAgeRange& range, int gender, int refYear) const {
  return AgeGroupText(range, gender, refYear, true);
}

std::string TQbSwLanguage::AgeGroupText(const TQbSwAgeRange& range, int gender, int refYear, bool longForm) const {
  if (range.IsUndefined()) return {};
  const int lo = range.GetMin(), hi = range.GetMax();
  const auto& overrides = longForm ? longOverrides_ : shortOverrides_;
  if (!overrides.empty()) {
    auto it = overrides.find(AgeGroupOverrideKey(gender, lo, hi));
    if (it != overrides.end()) return it->second;
  }
  if (range.IsOpen()) return ItemAt(ageFormats_, 0);

  const bool byAge = refYear == 0 || range.IsTotalRange();
  // The bounds as shown: ages, or years of birth (the older bound gives the earlier year).
  const long long shownLo = byAge ? lo : static_cast<long long>(refYear) - hi;
  const long long shownHi = byAge ? hi : static_cast<long long>(refYear) - lo;
  const long long youngest = byAge ? hi : static_cast<long long>(refYear) - hi;  // bound when min is open
  const long long oldest = byAge ? lo : static_cast<long long>(refYear) - lo;    // bound when max is open

  if (!longForm) {
    if (lo == kUnbounded) return byAge ? FormatInts("- %d", {youngest}) : FormatInts("%d +", {youngest});
    if (hi == kUnbounded) return byAge ? FormatInts("%d +", {oldest}) : FormatInts("- %d", {oldest});
    if (lo == hi) return FormatInts("%d", {oldest});
    return FormatInts("%d - %d", {shownLo, shownHi});
  }

  const std::vector<std::string>& formats =
      !byAge ? yobFormats_ : range.IsTotalRange() ? relayFormats_ : ageFormats_;
  if (lo == kUnbounded) return FormatInts(ItemAt(formats, 2), {youngest});
  if (hi == kUnbounded) return FormatInts(ItemAt(formats, 3), {oldest});
  if (lo == hi) return FormatInts(ItemAt(formats, 1), {oldest});
  return FormatInts(ItemAt(formats, 4), {shownLo, shownHi});
}

}  // namespace qbsw
