#pragma once

#include <cstddef>
#include <string_view>

// The rules that stand between what the user types and the correlation:
// which texts are numbers, how they are read, the range of each entry, the
// conversions into °C and Torr and back, and how numbers are written.
// Texts are single-byte (Latin-1) and numbers are read and written in the
// C locale whatever the process locale is, so a German desktop still sees
// "21.5" and not "21,5".
namespace entryrules {

// Removes every character with a code of 32 or less (blanks, line breaks,
// other control characters) from both ends.
template <class Char>
std::basic_string_view<Char> trimmed(std::basic_string_view<Char> text)
{
    const auto isBlank = [](Char c) { return static_cast<unsigned long>(c) <= 32; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Copies an entry into a C string buffer of bufferSize bytes, one byte per
// character (a character beyond Latin-1 becomes '?'). An entry that does not
// fit, or that holds a NUL and so cannot be one C string, leaves the buffer
// empty and returns false: it must never be committed as a shortened number.
bool copyEntry(std::u16string_view text, char *buffer, std::size_t bufferSize);

// Optional leading minus, digits with at most one point, at least one digit.
// No blanks, no '+', no exponent.
bool isNumeric(const char *text);

// Reads a text that isNumeric accepted.
double readNumber(const char *text);

struct Range {
    double lowerTest;        // a value not >= this is too low...
    double lowerReplacement; // ...and is replaced by this
    double upper;            // a value > this is replaced by it
};

// Ranges in the display unit: °C or °F for temperatures and AETs alike,
// Torr or kPa for the pressure.
const Range &temperatureRange(bool inCelsius);
const Range &pressureRange(bool inTorr);
double limited(double value, const Range &range);

// Conversions between the display units and the correlation's °C and Torr.
double toTorr(double pressure, bool inTorr);
double toCelsius(double temperature, bool inCelsius);
double fromCelsius(double celsius, bool inCelsius);

// Unit captions, as Latin-1 C strings ("\xB0" is the degree sign).
const char *temperatureCaption(bool inCelsius);
const char *pressureCaption(bool inTorr);

// Writes value like printf(" %6.<decimals>f") into buffer, cut to fit, except
// that a value rounding to zero is written without a minus sign.
void formatFixed(double value, int decimals, char *buffer, std::size_t bufferSize);

// The display formats of a temperature (also a computed one) and a pressure.
void formatTemperature(double value, char *buffer, std::size_t bufferSize);
void formatPressure(double value, char *buffer, std::size_t bufferSize);

} // namespace entryrules
