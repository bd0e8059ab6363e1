// The date stamp that ends a saved calculation and heads a printout: the
// local date and time. Portable: the clock is read through a seam so that
// tests can fix the time.
#pragma once

struct LocalTime {
    int year;    // four digits
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;  // 0..59
};

// Replaces the clock (nullptr restores the system's local time).
void installClock(LocalTime (*readClock)());

// "month/day/year hour:minute AM|PM" with a 12-hour hour (0:05 AM, 12:30 PM,
// 3/7/2008 1:07 PM). The text lives in a shared 32-byte buffer that the next
// call overwrites.
const char* dateStamp();
