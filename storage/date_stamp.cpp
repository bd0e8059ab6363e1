// The date stamp of saved calculations and printouts (date_stamp.h).
#include "date_stamp.h"

#include <cstdio>
#include <ctime>

namespace {

LocalTime systemClock() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#if defined(_WIN32)
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min};
}

LocalTime (*readLocalTime)() = systemClock;

char stampBuffer[32];

}  // namespace

void installClock(LocalTime (*readClock)()) { readLocalTime = readClock != nullptr ? readClock : systemClock; }

const char* dateStamp() {
    const LocalTime now = readLocalTime();
    const int hour = now.hour > 12 ? now.hour - 12 : now.hour;
    const char* suffix = now.hour < 12 ? "AM" : "PM";
    std::snprintf(stampBuffer, sizeof stampBuffer, "%d/%d/%d %d:%02d %s", now.month, now.day, now.year, hour,
                  now.minute, suffix);
    return stampBuffer;
}
