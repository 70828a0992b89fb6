#pragma once

// Vapour-pressure correlation for petroleum fractions: converts between a
// temperature observed at reduced pressure and the atmospheric equivalent
// temperature (AET), the temperature at which the same fraction boils at
// 760 Torr. Both directions work in degrees Celsius and Torr only; the
// caller keeps the inputs inside the entry ranges, where no logarithm or
// denominator can go wrong, so nothing is checked here.
namespace correlation {

// AET in °C of a fraction observed boiling at actualCelsius under pressureTorr.
double aetFromActual(double actualCelsius, double pressureTorr);

// Temperature in °C at which a fraction of the given AET boils under
// pressureTorr. The result is not limited: it may lie far below 0 °C.
double actualFromAet(double aetCelsius, double pressureTorr);

} // namespace correlation
