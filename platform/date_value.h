#pragma once
#include <cstdint>

// A date value counts seconds since 1970-01-01 00:00:00 of local wall-clock
// time, with no time zone: the local clock fields read as if they were UTC.
int32_t CurrentDateValue();

// Converts between a real moment (seconds since the epoch, UTC) and a date value.
int32_t DateValueFromEpoch(int64_t epochSeconds);
int64_t EpochFromDateValue(int32_t dateValue);
