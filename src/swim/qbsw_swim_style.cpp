#include "swim/qbsw_swim_style.h"

#include "base/qb_strings.h"
#include "swim/qbsw_codes.h"
#include "swim/qbsw_language.h"

namespace qbsw {

TQbSwSwimStyle TQbSwSwimStyle::FromAttributes(int distance, int relayCount, const std::string& strokeText,
                                              const std::string& techniqueText, const std::string& code,
                                              const std::string& name, int uniqueId) {
  TQbSwSwimStyle style(distance, TQbSwLanguage::Instance().StrokeFromText(strokeText), relayCount);
  style.technique_ = FindExchangeCode(TQbSwCodeList::Technique, techniqueText, false);
  style.code_ = code;
  style.name_ = name;
  style.uniqueId_ = uniqueId;
  return style;
}

TQbSwSwimStyle TQbSwSwimStyle::FromSettings(const std::map<std::string, std::string>& section) {
  auto text = [&section](const char* key) {
    auto it = section.find(key);
    return it != section.end() ? it->second : std::string();
  };
  auto number = [&text](const char* key) {
    int value = 0;
    return qb::TryParseInt(text(key), value) ? value : 0;
  };
  TQbSwSwimStyle style(number("DISTANCE"), number("STROKE"), number("RELAYCOUNT"));
  int value = 0;
  if (!qb::TryParseInt(text("STROKE"), value)) style.stroke_ = TQbSwLanguage::Instance().StrokeFromText(text("STROKE"));
  style.technique_ = qb::TryParseInt(text("TECHNIQUE"), value)
                         ? value
                         : FindExchangeCode(TQbSwCodeList::Technique, text("TECHNIQUE"), false);
  style.uniqueId_ = number("UNIQUEID");
  return style;
}

std::string TQbSwSwimStyle::GetText() const {
  if (stroke_ == kStrokeNone) return !code_.empty() ? code_ : qb::Format("ID%d", uniqueId_);
  std::string text = qb::Format("%d %s", distance_, TQbSwLanguage::Instance().StrokeCode(stroke_).c_str());
  return IsRelay() ? qb::Format("%d x %s", relayCount_, text.c_str()) : text;
}

std::string TQbSwSwimStyle::GetDistanceText(int course) const {
  std::string text = qb::Format("%d%s", distance_, course == kCourseScy ? "y" : "m");
  return IsRelay() ? qb::Format("%d x %s", relayCount_, text.c_str()) : text;
}

bool TQbSwSwimStyle::Equals(const TQbSwSwimStyle& other) const {
  if (relayCount_ != other.relayCount_ || distance_ != other.distance_ || stroke_ != other.stroke_ ||
      technique_ != other.technique_)
    return false;
  return stroke_ != kStrokeNone || uniqueId_ == other.uniqueId_;
}

std::string TQbSwSwimStyle::GetSortText(int gender) const {
  if (gender != 0) return qb::Format("%d%.3d%d%.4d%.3d", gender, relayCount_, stroke_, distance_, technique_);
  return qb::Format("X%.3d%d%.4d%.3d", relayCount_, stroke_, distance_, technique_);
}

std::string TQbSwSwimStyle::GetStrokeName() const { return TQbSwLanguage::Instance().StrokeName(stroke_); }

std::string TQbSwSwimStyle::GetFullText(int course) const {
  if (stroke_ == kStrokeNone) return name_;
  return GetDistanceText(course) + " " + GetStrokeName();
}

}  // namespace qbsw
