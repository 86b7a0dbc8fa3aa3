// The fixed code lists of swimming values: code = position in the list, 0 = none. These are
// the exchange codes (LENEX attribute values) and the few texts that are never translated; the
// display names live in TQbSwLanguage.
#pragma once

#include <cstdint>
#include <string_view>

namespace qbsw {

enum TQbSwCourse { kCourseNone = 0, kCourseLcm, kCourseScm, kCourseScy, kCourseScm33, kCourseScm16, kCourseScm20,
                   kCourseOpen };
enum TQbSwGender { kGenderNone = 0, kGenderMale, kGenderFemale, kGenderMixed };
enum TQbSwStroke { kStrokeNone = 0, kStrokeFree, kStrokeBack, kStrokeBreast, kStrokeFly, kStrokeMedley };
enum TQbSwRound { kRoundNone = 0, kRoundTim, kRoundPre, kRoundSop, kRoundQua, kRoundSoq, kRoundSem, kRoundSos,
                  kRoundFht, kRoundFin, kRoundCeremony, kRoundBreak };
enum TQbSwAgeCalc { kAgeCalcYear = 0, kAgeCalcDate, kAgeCalcPor, kAgeCalcCanFnq, kAgeCalcLux };

// The lists with exchange codes.
enum class TQbSwCodeList {
  Course,            // 1 LCM .. 7 OPEN
  Gender,            // 1 M, 2 F, 3 X
  Stroke,            // 1 FREE .. 5 MEDLEY
  Technique,         // 1 KICK, 2 START, 3 TURN
  Round,             // 1 TIM .. 11 BREAK
  ResultStatus,      // 1 EXH .. 12 SICK (5 repeats DSQ)
  Timing,            // 1 AUTOMATIC, 2 MANUAL3, 3 MANUAL1
  ClubType,          // 1 CLUB, 4 REGIONALTEAM, 6 NATIONALTEAM, 9 UNATTACHED
  QualConversion,    // 1 FINA_POINTS, 2 LCM_AS_SCM
  QualRelayMode,     // 1 CLUB, 2 INDIVIDUAL, 3 BOTH
  AgeCalc,           // 0 YEAR .. 4 LUX (0 is a real value here)
};

// Number of positions of a list, index 0 included.
int CodeListSize(TQbSwCodeList list);
// The exchange code at a position; empty for 0 (except age calculation) and out of range.
std::string_view ExchangeCode(TQbSwCodeList list, int index);
// Compares the text with the positions from the last down to 1, exactly or ignoring case; the
// first match wins, no match gives 0.
int FindExchangeCode(TQbSwCodeList list, std::string_view text, bool anyCase);

// Fixed, untranslated texts.
std::string_view CourseShortText(int course);  // "50m", "25m", "25y", "33m", "16m", "20m", "OW"
std::string_view RoundLetter(int round);       // T, P, X, Q, Z, S, Y, A, F, M, B

// A set of codes (round filter, course set): bit n stands for code n.
using TQbSwCodeSet = std::uint16_t;
inline bool CodeSetHas(TQbSwCodeSet set, int code) { return code >= 0 && code < 16 && (set >> code) & 1u; }
inline TQbSwCodeSet CodeSetWith(TQbSwCodeSet set, int code) {
  return code >= 0 && code < 16 ? static_cast<TQbSwCodeSet>(set | (1u << code)) : set;
}

// The distance between two intermediate times of a course: the pool length (50, 25, 33, 16,
// 20), 1 for a course without one.
inline int PoolStep(int course) {
  switch (course) {
    case kCourseLcm: return 50;
    case kCourseScm:
    case kCourseScy: return 25;
    case kCourseScm33: return 33;
    case kCourseScm16: return 16;
    case kCourseScm20: return 20;
    default: return 1;
  }
}

// Whether a result with this LENEX status code counts as swum: 0 none, 1 EXH, 9 SUI.RED10,
// 10 SUI.RED20, 11 SUI.RED60.
inline bool IsValidResultStatus(int status) { return status == 0 || status == 1 || (status >= 9 && status <= 11); }

}  // namespace qbsw
