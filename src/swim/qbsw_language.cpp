#include "swim/qbsw_language.h"

#include "base/qb_strings.h"
#include "swim/qbsw_format.h"

namespace qbsw {

namespace {

struct TListDefault {
  std::string_view name;
  std::vector<std::string> items;
};

const TListDefault& ListDefault(TQbSwTextList list) {
  static const TListDefault kDefaults[kTextListCount] = {
      {"CourseNames", {"All", "Long Course (50m)", "Short Course (25m)", "", "", "", ""}},
      {"GenderCodes", {"", "M", "F", "X"}},
      {"GenderNames", {"All", "Men", "Women", "Mixed"}},
      {"GenderNames2", {"All", "Boys", "Girls", "Mixed"}},
      {"StrokeCodes", {"", "Fr", "Bk", "Br", "Bu", "Me"}},
      {"StrokeNames", {"", "Freestyle", "Backstroke", "Breaststroke", "Fly", "Medley"}},
      {"RoundNames",
       {"", "Timed Final", "Prelim", "Swim Off Prelim", "Quad Final", "Swim Off Quad Final", "Semifinal",
        "Swim Off Semifinal", "Fastest Heat", "Final", "Medal ceremony", "Break"}},
      {"TimingModes", {"", "Automatic", "Manual 3 clocks", "Manual 1 clock"}},
      {"ClubTypeNames",
       {"", "Club", "District", "Department", "Region", "Interregion", "Nation", "Continent", "Other",
        "Unattached"}},
      {"AgegroupTypeCodes", {"", "I", "Rs", "Rt"}},
      {"AgegroupTypeNames", {"All", "Individual", "Relay single", "Relay total"}},
      {"QualConversionNames", {"No conversion", "convert with FINA points", "use 50m times for 25m too"}},
      {"QualRelayModeNames",
       {"No check", "Best relay result", "with individual results of swimmers",
        "Best relay result or with ind. results of swimmers"}},
  };
  return kDefaults[static_cast<int>(list)];
}

const std::vector<std::string> kAgeCalcNames = {
    "Only by year of birth", "Age calculated to exact date of meet",
    "POR: Only year of birth, calculated with end of season (Sep 30)",
    "NED, CAN/Quebec: Age calculated for Dec 31 in current season (Sep 1 - Aug 31)",
    "LUX: Only year of birth, calculated with beginning of season (Sep 16)"};

// Status codes that have a language text, with their English texts.
const std::map<int, std::string> kStatusTexts = {
    {1, "EXH"},      {2, "DSQ"},      {3, "DNS"},       {4, "DNF"},       {5, "DSQ"},
    {6, "WDR"},      {7, "DSQ 10%"},  {8, "DSQ 20%"},   {9, "red. 10%"},  {10, "red. 20%"},
    {11, "red. 60%"}, {12, "sick"},   {kStatusRejected, "RJC"}};

const std::vector<std::string> kAgeFormats = {"Open", "%d years", "%d years and younger", "%d years and older",
                                              "%d - %d years"};
const std::vector<std::string> kRelayFormats = {"Open", "AG %d", "AG %d and younger", "AG %d and older",
                                                "AG %d - %d"};
const std::vector<std::string> kYobFormats = {"Open", "YOB %d", "%d and younger", "%d and older", "YOB %d - %d"};

std::unique_ptr<TQbSwLanguage>& InstanceSlot() {
  static std::unique_ptr<TQbSwLanguage> instance;
  return instance;
}

}  // namespace

TQbSwLanguage::TQbSwLanguage() { Reload(); }

TQbSwLanguage& TQbSwLanguage::Instance() {
  auto& slot = InstanceSlot();
  if (!slot) slot.reset(new TQbSwLanguage());
  return *slot;
}

void TQbSwLanguage::ResetInstance() { InstanceSlot().reset(); }

void TQbSwLanguage::SetTextSource(std::shared_ptr<IQbSwTextSource> source) {
  TQbSwLanguage& language = Instance();
  language.source_ = std::move(source);
  language.Reload();
}

std::string TQbSwLanguage::Lookup(const std::string& key) const { return source_ ? source_->LookupText(key) : ""; }

// Items the source holds replace the English ones; items beyond its text keep the English text.
void TQbSwLanguage::LoadList(const std::string& key, std::vector<std::string>& items) const {
  ReplaceItems(Lookup(key), items);
}

void TQbSwLanguage::LoadText(const std::string& key, std::string& text) const {
  std::string translated = Lookup(key);
  if (!translated.empty()) text = std::move(translated);
}

void TQbSwLanguage::Reload() {
  for (int i = 0; i < kTextListCount; ++i) {
    const auto& list = ListDefault(static_cast<TQbSwTextList>(i));
    lists_[i] = list.items;
    LoadList("#QbSwLanguage." + std::string(list.name), lists_[i]);
  }
  courseNameOpenWater_ = "Open Water";
  LoadText("#QbSwLanguage.CourseNameOpenWater", courseNameOpenWater_);
  ageCalcNames_ = kAgeCalcNames;
  for (size_t i = 0; i < ageCalcNames_.size(); ++i)
    LoadText(qb::Format("#QbSwLanguage.AgeCalcTypeName%d", static_cast<int>(i)), ageCalcNames_[i]);
  statusTexts_ = kStatusTexts;
  for (auto& [code, text] : statusTexts_) LoadText(qb::Format("#QbSwLanguage.ResultStatusCode%d", code), text);
  ageFormats_ = kAgeFormats;
  relayFormats_ = kRelayFormats;
  yobFormats_ = kYobFormats;
  LoadList("#QbSwLanguage.Agegroups", ageFormats_);
  LoadList("#QbSwLanguage.RelayAgegroups", relayFormats_);
  LoadList("#QbSwLanguage.YOBs", yobFormats_);

  dateNames_ = TQbSwDateNames();
  LoadList("#QB.ShortMonthNames", dateNames_.shortMonthNames);
  LoadList("#QB.LongMonthNames", dateNames_.longMonthNames);
  LoadList("#QB.ShortDayNames", dateNames_.shortDayNames);
  LoadList("#QB.LongDayNames", dateNames_.longDayNames);
  LoadText("#QB.LongDateFormat", dateNames_.longDateFormat);
  LoadText("#QB.ShortDateFormat", dateNames_.shortDateFormat);
}

std::string_view TQbSwLanguage::ListName(TQbSwTextList list) { return ListDefault(list).name; }

const std::vector<std::string>& TQbSwLanguage::List(TQbSwTextList list) const {
  return lists_[static_cast<int>(list)];
}

std::string TQbSwLanguage::ListItem(TQbSwTextList list, int index) const { return ItemAt(List(list), index); }

std::string TQbSwLanguage::CourseName(int course) const {
  if (course == kCourseOpen) return courseNameOpenWater_;
  return ListItem(TQbSwTextList::CourseNames, course);
}

std::string TQbSwLanguage::GenderName(int gender, int age) const {
  const int youngLimit = gender == kGenderMale ? 18 : gender == kGenderFemale ? 16 : 0;
  const bool young = age >= 1 && age <= youngLimit;
  return ListItem(young ? TQbSwTextList::GenderNames2 : TQbSwTextList::GenderNames, gender);
}

std::string TQbSwLanguage::RoundName(int round) const { return ListItem(TQbSwTextList::RoundNames, round); }
std::string TQbSwLanguage::StrokeCode(int stroke) const { return ListItem(TQbSwTextList::StrokeCodes, stroke); }
std::string TQbSwLanguage::StrokeName(int stroke) const { return ListItem(TQbSwTextList::StrokeNames, stroke); }

std::string TQbSwLanguage::ResultStatusText(int status) const {
  switch (status) {
    case kStatusDoping: return "DOP";
    case kStatusSp: return "SP.";
    case kStatusRl: return "RL.";
  }
  auto it = statusTexts_.find(status);
  return it != statusTexts_.end() ? it->second : "";
}

std::string TQbSwLanguage::PlaceText(int status, int place) const {
  if (status != 0) return ResultStatusText(status);
  return place > 0 ? qb::Format("%d.", place) : "";
}

std::string TQbSwLanguage::AgeCalcTypeName(int type) const { return ItemAt(ageCalcNames_, type); }

}  // namespace qbsw
