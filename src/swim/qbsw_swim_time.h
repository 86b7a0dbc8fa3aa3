// Swim times: milliseconds in a signed 32-bit integer, and the older decimal-packed count
// (tenths x 1000 + hundredths x 10) that the converters' meet tree and the time edit use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qbsw {

inline constexpr std::int32_t kNoSwimTime = 2147483647;
inline constexpr std::int64_t kLegacyNoTime = 35999090;  // 59:59.99

// True for 1 .. 2147483646.
bool IsValidSwimTime(std::int32_t time);
// "9.87", "1:02.34", "1:02:03.45"; the millisecond digit is never shown. An invalid time gives
// "NT" when showNt is set, else an empty text.
std::string SwimTimeToText(std::int32_t time, bool showNt);
// Reads "1:02.34", "1.02,34", "10234", "34" (whole seconds), "59.9"; kNoSwimTime when nothing
// valid can be read. The text is cut into two-character groups from the right of each field, so
// "1:02.345" reads as 1:02:03.45.
std::int32_t TextToSwimTime(std::string_view text);

// True for a packed value that can be shown (11 .. 35999089).
bool IsValidLegacyTime(std::int64_t value);
// " 1:02.34", "   02.34" (no leading zero minutes), " 1:02.3*" for a time known to the tenth.
std::string LegacyTimeToText(std::int64_t value, bool showNt);
// Reads "m:ss.hh", "ss.hh", "ss,h"; "99:99.99" reads as 59:59.99. 0 when it cannot be read.
std::int64_t TextToLegacyTime(std::string_view text);
std::int64_t SwimTimeToLegacy(std::int32_t time);
// The millisecond digit is lost on the way; a value beyond the 32-bit range gives kNoSwimTime.
std::int32_t LegacyToSwimTime(std::int64_t value);

}  // namespace qbsw
