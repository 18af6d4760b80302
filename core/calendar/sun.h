// The sun's apparent longitude and the moments of the sectional solar terms (節氣), after Meeus,
// Astronomical Algorithms: VSOP87D Earth, FK5 correction, IAU 1980 nutation in longitude, annual
// aberration, and ΔT by the Espenak-Meeus polynomials.
#pragma once

#include <array>

namespace omenary::calendar {

// ΔT = TT − UT in seconds at a decimal Gregorian year.
double DeltaTSeconds(double decimalYear);

// Apparent geocentric longitude of the sun, degrees 0 ... < 360, referred to the true equinox of
// date, at a Julian Ephemeris Day (TT).
double ApparentSolarLongitude(double julianEphemerisDay);

// The Julian Ephemeris Day near the guess at which the apparent longitude equals the given one.
double MomentOfSolarLongitude(double longitudeDegrees, double guessJulianEphemerisDay);

// A sectional term as the almanac gives it: the Thailand civil date (UTC+7) and the minute of that
// day, the moment cut to the whole minute.
struct SectionalTerm {
    int longitude = 0;  // 285, 315, 345, 15, ..., 255
    int year = 0;       // Gregorian
    int month = 0;
    int day = 0;
    int minuteOfDay = 0;  // 0 ... 1439
};

// The twelve sectional terms of a Gregorian year in date order: 小寒 (285°) in January to 大雪 (255°)
// in December, 立春 (315°) second.
std::array<SectionalTerm, 12> SectionalTermsOfYear(int gregorianYear);

}  // namespace omenary::calendar
