#include "correlation.h"

#include <cmath>

namespace correlation {
namespace {

constexpr double atmospheresPerTorr = 1.0 / 760.0;

// At and below this pressure (Torr) the low-pressure pair of terms applies.
constexpr double lowPressureLimitTorr = 2.0;

// Numerator N = n0 - L and denominator D = d0 - d1 * L of the factor A,
// where L is log10 of the pressure in atmospheres.
struct FactorTerms {
    double n0;
    double d0;
    double d1;
};
constexpr FactorTerms aboveLowPressure{3.877, 2387.262, 95.76};
constexpr FactorTerms atLowPressure{4.741, 2876.663, 43.0};
constexpr double factorOffset = 0.0002867;

// Terms of the temperature equation that both directions solve.
constexpr double aetScale = 748.1;
constexpr double factorWeight = 0.3861;
constexpr double reciprocalOffset = 0.00051606;

// The correlation was fitted with this offset, not 273.15.
constexpr double kelvinOffset = 273.0;

double factor(double pressureTorr)
{
    const double logAtm = std::log10(pressureTorr * atmospheresPerTorr);
    const FactorTerms &t = pressureTorr > lowPressureLimitTorr ? aboveLowPressure : atLowPressure;
    const double numerator = t.n0 - logAtm;
    const double denominator = t.d0 - t.d1 * logAtm;
    return numerator / denominator - factorOffset;
}

} // namespace

double aetFromActual(double actualCelsius, double pressureTorr)
{
    const double a = factor(pressureTorr);
    const double reciprocal = 1.0 / (actualCelsius + kelvinOffset);
    const double d = factorWeight * a + reciprocal - reciprocalOffset;
    return aetScale * a / d - kelvinOffset;
}

double actualFromAet(double aetCelsius, double pressureTorr)
{
    const double aetKelvin = aetCelsius + kelvinOffset;
    const double a = factor(pressureTorr);
    const double kelvin = aetKelvin / (aetScale * a + reciprocalOffset * aetKelvin - factorWeight * a * aetKelvin);
    return kelvin - kelvinOffset;
}

} // namespace correlation
