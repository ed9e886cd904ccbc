#include "platform/date_value.h"

#include <ctime>

int32_t DateValueFromEpoch(int64_t epochSeconds) {
    time_t t = static_cast<time_t>(epochSeconds);
    tm local{};
    localtime_r(&t, &local);
    return static_cast<int32_t>(timegm(&local));
}

int64_t EpochFromDateValue(int32_t dateValue) {
    time_t t = static_cast<time_t>(dateValue);
    tm fields{};
    gmtime_r(&t, &fields);
    fields.tm_isdst = -1;
    return static_cast<int64_t>(mktime(&fields));
}

int32_t CurrentDateValue() {
    return DateValueFromEpoch(static_cast<int64_t>(std::time(nullptr)));
}
