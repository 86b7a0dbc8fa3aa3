// The typed forms of attribute values. Reading never fails: an unparsable text reads as the
// neutral value of its form. Writing answers the text to store; an empty text means "remove".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/date_time.h"

namespace lnx {

constexpr int kNoValue = -32768;              // integer-or-none: no value
constexpr std::int32_t kNoSwimTime = 2147483647;  // swim time: "NT"

int ReadInteger(std::string_view text);
int ReadIntegerOrNone(std::string_view text);
double ReadHundredths(std::string_view text);
double ReadFloat(std::string_view text);
bool ReadBoolean(std::string_view text);
qb::TDateTime ReadDate(std::string_view text);
qb::TDateTime ReadTime(std::string_view text);
qb::TDateTime ReadDateTime(std::string_view text);
std::int32_t ReadSwimTime(std::string_view text);

std::string WriteInteger(int value);
std::string WriteIntegerOrNone(int value);
std::string WriteHundredths(double value);
std::string WriteFloat(double value);
std::string WriteBoolean(bool value);
std::string WriteDate(qb::TDateTime value);
std::string WriteTime(qb::TDateTime value);
std::string WriteDateTime(qb::TDateTime value);
std::string WriteSwimTime(std::int32_t milliseconds);

}  // namespace lnx
