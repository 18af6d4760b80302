#include "core/calendar/sun.h"

#include <chrono>
#include <cmath>
#include <iterator>
#include <numbers>

#include "core/calendar/solar_tables.h"

namespace omenary::calendar {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kArcsecond = 1.0 / 3600.0;  // in degrees
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kThailandOffsetDays = 7.0 / 24.0;

// Espenak-Meeus polynomials: from the previous segment's end up to `until`, ΔT is the polynomial
// in (year − origin) with these coefficients, lowest power first.
struct DeltaTSegment {
    double until;
    double origin;
    std::array<double, 8> coefficients;
};
constexpr DeltaTSegment kDeltaT[] = {
    {1860,
     1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875}      },
    {1900, 1860,                                 {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174}},
    {1920, 1900,                                                {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197}},
    {1941, 1920,                                                             {21.20, 0.84493, -0.076100, 0.0020936}},
    {1961, 1950,                                                             {29.07, 0.407, -1.0 / 233, 1.0 / 2547}},
    {1986, 1975,                                                             {45.45, 1.067, -1.0 / 260, -1.0 / 718}},
    {2005, 2000,                                  {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599}},
    {2050, 2000,                                                                         {62.92, 0.32217, 0.005589}},
 // −20 + 32 u² − 0.5628 (2150 − y), u = (y − 1820) / 100, written in (y − 1820).
    {2150, 1820,                                                                         {-205.724, 0.5628, 0.0032}},
 // −20 + 32 u²
    { 1e9, 1820,                                                                                   {-20, 0, 0.0032}},
};

// Fundamental arguments of the nutation (Meeus 22): degrees, polynomial in Julian centuries T.
constexpr std::array<std::array<double, 4>, 5> kNutationArguments = {
    {
     {297.85036, 445267.111480, -0.0019142, 1.0 / 189474}, // D
 {357.52772, 35999.050340, -0.0001603, -1.0 / 300000}, // M
 {134.96298, 477198.867398, 0.0086972, 1.0 / 56250}, // M'
 {93.27191, 483202.017538, -0.0036825, 1.0 / 327270}, // F
 {125.04452, -1934.136261, 0.0020708, 1.0 / 450000}, // Omega
    }
};

constexpr double kFk5Correction = -0.09033;      // arcseconds
constexpr double kAberrationConstant = 20.4898;  // arcseconds at 1 au
constexpr double kMeanDailyMotion = 0.98564736;  // degrees per day
constexpr double kTropicalYear = 365.242189;     // days
constexpr double kMarchEquinox2000 = 2451623.80984;

template <std::size_t N>
double Polynomial(const std::array<double, N>& coefficients, double x) {
    double value = 0;
    for (auto c = coefficients.rbegin(); c != coefficients.rend(); ++c)
        value = value * x + *c;
    return value;
}

double SumOfSeries(const std::array<std::span<const solar::PeriodicTerm>, 6>& series, double tau) {
    double value = 0;
    for (auto power = series.rbegin(); power != series.rend(); ++power) {
        double sum = 0;
        for (const solar::PeriodicTerm& term : *power)
            sum += term.amplitude * std::cos(term.phase + term.frequency * tau);
        value = value * tau + sum;
    }
    return value;
}

// Nutation in longitude, arcseconds.
double NutationInLongitude(double centuries) {
    std::array<double, 5> arguments{};
    for (std::size_t i = 0; i < arguments.size(); ++i)
        arguments[i] = Polynomial(kNutationArguments[i], centuries) * kDegree;
    double sum = 0;
    for (const solar::NutationTerm& term : solar::kNutationInLongitude) {
        const double argument = term.elongation * arguments[0] + term.sunAnomaly * arguments[1] +
                                term.moonAnomaly * arguments[2] + term.moonLatitude * arguments[3] +
                                term.ascendingNode * arguments[4];
        sum += (term.sine + term.sinePerCentury * centuries) * std::sin(argument);
    }
    return sum * 0.0001;
}

// An angle difference brought into −180 ... 180 degrees.
double SignedDegrees(double degrees) {
    return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}

double DecimalYear(double julianDay) {
    return 2000.0 + (julianDay - kJ2000) / 365.2425;
}

std::chrono::year_month_day CivilDate(long long dayNumberSinceUnixEpoch) {
    return std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{dayNumberSinceUnixEpoch}}};
}

}  // namespace

double DeltaTSeconds(double decimalYear) {
    for (const DeltaTSegment& segment : kDeltaT)
        if (decimalYear < segment.until)
            return Polynomial(segment.coefficients, decimalYear - segment.origin);
    return Polynomial(std::prev(std::end(kDeltaT))->coefficients, decimalYear - 1820);
}

double ApparentSolarLongitude(double julianEphemerisDay) {
    const double tau = (julianEphemerisDay - kJ2000) / 365250.0;
    const double earthLongitude = SumOfSeries(solar::kEarthLongitude, tau);
    const double radius = SumOfSeries(solar::kEarthRadius, tau);
    // Geocentric sun = heliocentric earth + 180°; the latitude term of the FK5 correction is below
    // 0.0001" for the sun and left out.
    const double corrections =
        (kFk5Correction + NutationInLongitude(tau * 10.0) - kAberrationConstant / radius) * kArcsecond;
    const double longitude = earthLongitude / kDegree + 180.0 + corrections;
    return longitude - 360.0 * std::floor(longitude / 360.0);
}

double MomentOfSolarLongitude(double longitudeDegrees, double guessJulianEphemerisDay) {
    // Secant steps from the guess; the longitude grows almost linearly, so a few steps reach
    // a hundredth of a second.
    double t0 = guessJulianEphemerisDay;
    double f0 = SignedDegrees(ApparentSolarLongitude(t0) - longitudeDegrees);
    double t1 = t0 - f0 / kMeanDailyMotion;
    for (int step = 0; step < 30; ++step) {
        const double f1 = SignedDegrees(ApparentSolarLongitude(t1) - longitudeDegrees);
        if (f1 == f0) break;
        const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1;
        f0 = f1;
        t1 = t2;
        if (std::abs(t1 - t0) < 1e-7) break;
    }
    return t1;
}

std::array<SectionalTerm, 12> SectionalTermsOfYear(int gregorianYear) {
    std::array<SectionalTerm, 12> terms{};
    const double marchEquinox = kMarchEquinox2000 + kTropicalYear * (gregorianYear - 2000);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const int longitude = (285 + 30 * static_cast<int>(i)) % 360;
        const double daysFromEquinox = (longitude >= 270 ? longitude - 360 : longitude) / kMeanDailyMotion;
        const double moment = MomentOfSolarLongitude(longitude, marchEquinox + daysFromEquinox);
        const double universal = moment - DeltaTSeconds(DecimalYear(moment)) / 86400.0;
        // Whole minutes since the Unix epoch in Thailand time, cut as almanacs cut them; the day is that
        // of the moment itself, so 23:59:40 stays on its day as 23:59.
        const auto minutes = static_cast<long long>(
            std::floor((universal - kUnixEpochJulianDay + kThailandOffsetDays) * 1440.0));
        const long long dayNumber = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
        const std::chrono::year_month_day date = CivilDate(dayNumber);
        terms[i] = {longitude, static_cast<int>(date.year()),
                    static_cast<int>(static_cast<unsigned>(date.month())),
                    static_cast<int>(static_cast<unsigned>(date.day())),
                    static_cast<int>(minutes - dayNumber * 1440)};
    }
    return terms;
}

}  // namespace omenary::calendar
