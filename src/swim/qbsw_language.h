// TQbSwLanguage: the one process-wide service for the display texts of swimming values (course,
// gender, stroke, round, status, age group texts, ...) in the screen language. It holds built-in
// English texts and replaces them from a text source (the language service) on every Reload().
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "swim/qbsw_codes.h"
#include "swim/qbsw_date_text.h"
#include "swim/qbsw_legacy_texts.h"
#include "swim/qbsw_text_source.h"

namespace qbsw {

class TQbSwAgeRange;

// The translated lists; each is the text "#QbSwLanguage." + its name, items separated by ";".
enum class TQbSwTextList {
  CourseNames,
  GenderCodes,
  GenderNames,
  GenderNames2,
  StrokeCodes,
  StrokeNames,
  RoundNames,
  TimingModes,
  ClubTypeNames,
  AgegroupTypeCodes,
  AgegroupTypeNames,
  QualConversionNames,
  QualRelayModeNames,
};
inline constexpr int kTextListCount = 13;

// LENEX result status codes beyond the exchange list.
inline constexpr int kStatusRejected = 99;
inline constexpr int kStatusDoping = 90;
inline constexpr int kStatusSp = 101;
inline constexpr int kStatusRl = 102;

class TQbSwLanguage {
 public:
  // Created on first use, with the built-in English texts and the installed source (none at first).
  static TQbSwLanguage& Instance();
  // Drops the instance; the next Instance() starts afresh (built-in texts, no source). For tests.
  static void ResetInstance();
  // Installs the source of translated texts (empty = none) and reloads from it.
  static void SetTextSource(std::shared_ptr<IQbSwTextSource> source);

  // Refills every translated list: the built-in English texts, replaced item by item by the texts
  // the source holds. The language service calls this on every change of language.
  void Reload();

  static std::string_view ListName(TQbSwTextList list);
  const std::vector<std::string>& List(TQbSwTextList list) const;
  // Item of a list; empty for an index outside the list.
  std::string ListItem(TQbSwTextList list, int index) const;

  // Course: long name ("Long Course (50m)", index 7 "Open Water"); parser; comma-separated set.
  std::string CourseName(int course) const;
  int CourseFromText(std::string_view text) const;
  TQbSwCodeSet CourseSetFromText(std::string_view text) const;

  // Gender name of an athlete or age group: with an age in 1..18 (men) or 1..16 (women) the
  // young form ("Boys", "Girls"); age 0 (none) gives the plain name ("Men", "Women").
  std::string GenderName(int gender, int age = 0) const;
  int GenderFromText(std::string_view text) const;

  std::string RoundName(int round) const;
  int RoundFromText(std::string_view text) const;

  std::string StrokeCode(int stroke) const;  // translated short code "Fr"
  std::string StrokeName(int stroke) const;  // "Freestyle"
  int StrokeFromText(std::string_view text) const;

  int TechniqueFromText(std::string_view text) const;

  // LENEX result status: parser (exact; "DSQ" is always 2), display text, place text.
  int StatusFromText(std::string_view text) const;
  std::string ResultStatusText(int status) const;
  // The status text when there is a status, else "%d." of a place above 0, else empty.
  std::string PlaceText(int status, int place) const;

  std::string AgeCalcTypeName(int type) const;

  // Age group texts (see qbsw_agegroup_text.cpp). gender is a gender code (0 = none), refYear the
  // year that by-year-of-birth texts count from (0 = show ages).
  std::string ShortAgeGroupText(const TQbSwAgeRange& range, int gender, int refYear) const;
  std::string LongAgeGroupText(const TQbSwAgeRange& range, int gender, int refYear) const;
  // Texts that replace the computed ones, keyed "%s;%d;%d" of exchange gender code, min and max.
  static std::string AgeGroupOverrideKey(int gender, int minAge, int maxAge);
  void SetAgeGroupOverride(bool longForm, const std::string& key, const std::string& text);
  void ClearAgeGroupOverrides();

  const TQbSwDateNames& DateNames() const { return dateNames_; }

  const TQbSwLegacyTexts& LegacyTexts() const { return legacy_; }
  void SetLegacyTexts(TQbSwLegacyTexts texts) { legacy_ = std::move(texts); }

 private:
  TQbSwLanguage();
  std::string Lookup(const std::string& key) const;
  void LoadList(const std::string& key, std::vector<std::string>& items) const;
  void LoadText(const std::string& key, std::string& text) const;
  std::string AgeGroupText(const TQbSwAgeRange& range, int gender, int refYear, bool longForm) const;

  std::shared_ptr<IQbSwTextSource> source_;
  std::vector<std::string> lists_[kTextListCount];
  std::string courseNameOpenWater_;
  std::vector<std::string> ageCalcNames_;
  std::map<int, std::string> statusTexts_;
  std::vector<std::string> ageFormats_, relayFormats_, yobFormats_;
  std::map<std::string, std::string> shortOverrides_, longOverrides_;
  TQbSwDateNames dateNames_;
  TQbSwLegacyTexts legacy_;
};

}  // namespace qbsw
