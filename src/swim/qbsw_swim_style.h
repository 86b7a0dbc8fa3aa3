// A swim style: distance, stroke, technique and relay count ("4 x 100 Fr"), with the code and
// name that styles without a known stroke are shown by.
#pragma once

#include <map>
#include <string>

namespace qbsw {

class TQbSwSwimStyle {
 public:
  TQbSwSwimStyle() = default;
  TQbSwSwimStyle(int distance, int stroke, int relayCount)
      : distance_(distance), relayCount_(relayCount), stroke_(stroke) {}

  // From the attribute values of a SWIMSTYLE element: the stroke text goes through the stroke
  // parser, the technique text is an exchange code ("KICK", "START", "TURN"; exact).
  static TQbSwSwimStyle FromAttributes(int distance, int relayCount, const std::string& strokeText,
                                       const std::string& techniqueText, const std::string& code,
                                       const std::string& name, int uniqueId);
  // From a settings section with the keys DISTANCE, RELAYCOUNT, STROKE, TECHNIQUE and UNIQUEID
  // (numbers; a stroke or technique may also be given as its text).
  static TQbSwSwimStyle FromSettings(const std::map<std::string, std::string>& section);

  // "100 Fr", "4 x 100 Fr"; without a stroke the code, or "ID%d" of the unique id.
  std::string GetText() const;
  int GetDistance() const { return distance_; }
  // "100m", "100y" on a course of yards (SCY), "4 x 100m".
  std::string GetDistanceText(int course) const;
  bool IsRelay() const { return relayCount_ >= 2 && relayCount_ <= 254; }
  // Same relay count, distance, stroke and technique; without a stroke the same unique id too.
  bool Equals(const TQbSwSwimStyle& other) const;
  int GetRelayCount() const { return relayCount_; }
  // Gender, relay count, stroke, distance, technique: "1004101000000" for 4 x 100 free men;
  // "X004101000000" without a gender.
  std::string GetSortText(int gender) const;
  int GetStroke() const { return stroke_; }
  std::string GetStrokeName() const;
  int GetTechnique() const { return technique_; }
  // "4 x 100m Freestyle"; without a stroke the name.
  std::string GetFullText(int course) const;
  int GetTotalDistance() const { return IsRelay() ? relayCount_ * distance_ : distance_; }
  int GetUniqueId() const { return uniqueId_; }
  const std::string& GetCode() const { return code_; }
  const std::string& GetName() const { return name_; }

 private:
  std::string code_;
  int distance_ = 0;
  std::string name_;
  int relayCount_ = 0;
  int stroke_ = 0;
  int technique_ = 0;
  int uniqueId_ = 0;
};

}  // namespace qbsw
