#include "entryrules.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace entryrules {
namespace {

constexpr Range celsiusRange{0.0, 0.0, 500.0};
constexpr Range fahrenheitRange{32.0, 32.0, 932.0};
constexpr Range torrRange{0.01, 0.01, 760.0};
// The kPa lower limit is the one limit whose test value and replacement
// differ: a too-low kPa entry is shown as 0.002 kPa.
constexpr Range kpaRange{0.002332978, 0.002, 101.306};

constexpr double torrPerKpa = 7.502;
constexpr double celsiusPerFahrenheitDegree = 0.5555555555555556; // 5/9
constexpr double fahrenheitPerCelsiusDegree = 1.8;
constexpr double fahrenheitAtZeroCelsius = 32.0;

// Pressures below this are shown with three decimals.
constexpr double onePlaceFromPressure = 1.0;

constexpr int fieldWidth = 6;

} // namespace

bool copyEntry(std::u16string_view text, char *buffer, std::size_t bufferSize)
{
    buffer[0] = '\0';
    if (text.size() >= bufferSize || text.find(u'\0') != std::u16string_view::npos)
        return false;
    std::transform(text.begin(), text.end(), buffer,
                   [](char16_t c) { return c <= 0xFF ? static_cast<char>(c) : '?'; });
    buffer[text.size()] = '\0';
    return true;
}

bool isNumeric(const char *text)
{
    bool signOrDigitSeen = false;
    bool pointSeen = false;
    bool digitSeen = false;
    for (const char *p = text; *p != '\0'; ++p) {
        if (*p == '-') {
            if (signOrDigitSeen || pointSeen)
                return false;
            signOrDigitSeen = true;
        } else if (*p == '.') {
            if (pointSeen)
                return false;
            pointSeen = true;
        } else if (*p >= '0' && *p <= '9') {
            signOrDigitSeen = true;
            digitSeen = true;
        } else {
            return false;
        }
    }
    return digitSeen;
}

double readNumber(const char *text)
{
    double value = 0.0;
    std::from_chars(text, text + std::strlen(text), value);
    return value;
}

const Range &temperatureRange(bool inCelsius)
{
    return inCelsius ? celsiusRange : fahrenheitRange;
}

const Range &pressureRange(bool inTorr)
{
    return inTorr ? torrRange : kpaRange;
}

double limited(double value, const Range &range)
{
    if (!(value >= range.lowerTest))
        return range.lowerReplacement;
    return value > range.upper ? range.upper : value;
}

double toTorr(double pressure, bool inTorr)
{
    return inTorr ? pressure : pressure * torrPerKpa;
}

double toCelsius(double temperature, bool inCelsius)
{
    return inCelsius ? temperature : (temperature - fahrenheitAtZeroCelsius) * celsiusPerFahrenheitDegree;
}

double fromCelsius(double celsius, bool inCelsius)
{
    return inCelsius ? celsius : celsius * fahrenheitPerCelsiusDegree + fahrenheitAtZeroCelsius;
}

const char *temperatureCaption(bool inCelsius)
{
    return inCelsius ? "\xB0" "C" : "\xB0" "F";
}

const char *pressureCaption(bool inTorr)
{
    return inTorr ? "Torr" : "kPa";
}

void formatFixed(double value, int decimals, char *buffer, std::size_t bufferSize)
{
    // Room for any double in fixed notation: 309 integer digits, sign, point
    // and the decimals.
    char digits[400];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    std::string_view number(digits, ec == std::errc() ? end - digits : 0);
    if (!number.empty() && number.front() == '-' && number.find_first_of("123456789") == std::string_view::npos)
        number.remove_prefix(1);

    std::size_t length = 0;
    const auto append = [&](char c) {
        if (length + 1 < bufferSize)
            buffer[length++] = c;
    };
    append(' ');
    for (auto i = std::ssize(number); i < fieldWidth; ++i)
        append(' ');
    for (char c : number)
        append(c);
    buffer[length] = '\0';
}

void formatTemperature(double value, char *buffer, std::size_t bufferSize)
{
    formatFixed(value, 1, buffer, bufferSize);
}

void formatPressure(double value, char *buffer, std::size_t bufferSize)
{
    formatFixed(value, value >= onePlaceFromPressure ? 1 : 3, buffer, bufferSize);
}

} // namespace entryrules
