// The stem and branch (干支) of a day, a month and a year, counted as the sexagenary cycle runs:
// days without a break from the Julian day number, years from BE 2467 = 甲子, months from the year's
// stem and the sectional term that opened them.
#pragma once

namespace omenary::calendar {

struct Pillar {
    int stem = 0;    // 1 ... 10
    int branch = 0;  // 1 ... 12
    friend bool operator==(const Pillar&, const Pillar&) = default;
};

// Julian day number of a Gregorian date (the day that begins at noon UT of that date).
long long JulianDayNumber(int year, int month, int day);

// 1 January 2000 (JDN 2451545) is 戊午, stem 5 / branch 7.
Pillar DayPillar(long long julianDayNumber);

// The pillar of the Chinese year that begins with the start of spring in BE year y; the same codes
// as StemOfBEYear / BranchOfBEYear wherever those are defined, and the cycle continued below them.
Pillar YearPillar(int beYear);

// The month branch a sectional term opens: 315° 寅 (3), 345° 卯 (4), ... 255° 子 (1), 285° 丑 (2).
int MonthBranchOfTerm(int longitude);

// The month's pillar from the stem of its Chinese year and the month branch.
Pillar MonthPillar(int yearStem, int monthBranch);

}  // namespace omenary::calendar
