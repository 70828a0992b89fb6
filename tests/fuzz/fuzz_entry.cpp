// Commits fuzzer-made entries the way the window's Enter key does (trim, copy
// into its 64-byte buffer, test, read, limit, format) and then computes the
// third value, checking what must hold whatever was typed or pasted.
//
// Input layout, chosen so that mutations keep both entries and the units in
// play at once:
//   byte 0  bit 0: °F instead of °C; bit 1: kPa instead of Torr;
//           bit 2: the temperature goes into the AET box instead of the
//           temperature box (the other bits are ignored)
//   byte 1  length of the temperature entry in UTF-16 code units
//   rest    UTF-16LE code units: the temperature entry, then the pressure
//           entry (an odd last byte is ignored)

#include "correlation.h"
#include "entryrules.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t windowBufferSize = 64; // TAET_Form::TextBuffer

void check(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz_entry: violated: %s\n", property);
    std::abort();
}

// Whether the window must commit a typed text, decided on the UTF-16 text
// itself rather than on the core's one-byte copy, so that a character that
// turns into a digit or a point only in the copy is caught.
bool shouldCommit(std::u16string_view typed)
{
    std::size_t first = 0;
    std::size_t end = typed.size();
    while (first < end && typed[first] <= u' ')
        ++first;
    while (end > first && typed[end - 1] <= u' ')
        --end;
    std::u16string_view text = typed.substr(first, end - first);
    if (text.size() >= windowBufferSize)
        return false;
    if (text.starts_with(u'-'))
        text.remove_prefix(1);
    if (text.find_first_not_of(u"0123456789.") != std::u16string_view::npos)
        return false;
    const auto points = static_cast<std::size_t>(std::count(text.begin(), text.end(), u'.'));
    return points <= 1 && text.size() > points;
}

// strtod rather than the core's from_chars, so the two readings are
// independent; the fuzzer never calls setlocale, so this is the C locale.
double reference(const char *text)
{
    return std::strtod(text, nullptr);
}

void checkShown(const char *text, double value, int decimals)
{
    check(std::memchr(text, '\0', windowBufferSize) != nullptr, "shown text ends inside the buffer");
    const std::string_view shown(text);
    // Only these characters, so no "nan", "inf" or exponent either.
    check(shown.find_first_not_of(" -.0123456789") == std::string_view::npos, "shown text is a plain number");
    check(shown.starts_with(' '), "shown text starts with a blank");
    const auto point = shown.find('.');
    check(point != std::string_view::npos && shown.size() - point - 1 == static_cast<std::size_t>(decimals),
          "shown text has the unit's number of decimals");
    const double halfLastPlace = 0.5 * std::pow(10.0, -decimals);
    check(std::abs(reference(text) - value) <= halfLastPlace + 1e-9 * std::max(1.0, std::abs(value)),
          "shown text reads back as the value rounded");
    if (shown.find_first_of("123456789") == std::string_view::npos)
        check(shown.find('-') == std::string_view::npos, "a shown zero has no minus sign");
}

enum class Box { temperature, pressure };

// One Enter in a box: TAET_Form::CommitEntry without the widget. Returns the
// committed value, or nothing when the entry is not committed.
std::optional<double> enter(std::u16string_view typed, Box box, bool firstUnit)
{
    const entryrules::Range &range =
        box == Box::temperature ? entryrules::temperatureRange(firstUnit) : entryrules::pressureRange(firstUnit);
    // Exactly the window's size on the heap, so a write or read one byte
    // beyond it is an AddressSanitizer report.
    const auto buffer = std::make_unique<char[]>(windowBufferSize);
    char *text = buffer.get();

    const std::u16string_view kept = entryrules::trimmed(typed);
    const bool committed = entryrules::copyEntry(kept, text, windowBufferSize) && entryrules::isNumeric(text);
    check(committed == shouldCommit(typed), "committed exactly when numeric and fitting the buffer");
    if (!committed)
        return std::nullopt;

    const double typedValue = reference(text);
    const double value = entryrules::limited(entryrules::readNumber(text), range);
    check(std::isfinite(value), "committed value is finite");
    check(range.lowerReplacement <= value && value <= range.upper, "committed value lies in its range");
    // A misreading that still lands in range would otherwise go unseen.
    if (typedValue > range.upper)
        check(value == range.upper, "a value above the range shows the upper limit");
    else if (typedValue < range.lowerTest)
        check(value == range.lowerReplacement, "a value below the range shows the lower limit");
    else
        check(value == typedValue, "a value in range is kept as typed");

    if (box == Box::temperature) {
        entryrules::formatTemperature(value, text, windowBufferSize);
        checkShown(text, value, 1);
    } else {
        entryrules::formatPressure(value, text, windowBufferSize);
        checkShown(text, value, value < 1.0 ? 3 : 1);
    }
    return value;
}

// The window's UpdateDisplay once a temperature (or AET) and a pressure are
// committed.
void computeThird(double temperature, bool inCelsius, double pressure, bool inTorr, bool isAet)
{
    const double torr = entryrules::toTorr(pressure, inTorr);
    const double given = entryrules::toCelsius(temperature, inCelsius);
    const double computed =
        isAet ? correlation::actualFromAet(given, torr) : correlation::aetFromActual(given, torr);
    check(std::isfinite(computed), "computed value is finite");
    const double back =
        isAet ? correlation::aetFromActual(computed, torr) : correlation::actualFromAet(computed, torr);
    check(std::abs(back - given) <= 1e-9, "the two directions of the correlation undo each other");

    const double shownValue = entryrules::fromCelsius(computed, inCelsius);
    check(std::isfinite(shownValue), "computed value in the display unit is finite");
    const auto buffer = std::make_unique<char[]>(windowBufferSize);
    entryrules::formatTemperature(shownValue, buffer.get(), windowBufferSize);
    checkShown(buffer.get(), shownValue, 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool inCelsius = (data[0] & 1) == 0;
    const bool inTorr = (data[0] & 2) == 0;
    const bool isAet = (data[0] & 4) != 0;
    const std::size_t temperatureLength = data[1];

    std::u16string units;
    for (std::size_t i = 2; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    const std::u16string_view all(units);
    const std::u16string_view temperatureText = all.substr(0, temperatureLength);
    const std::u16string_view pressureText = all.substr(temperatureText.size());

    const auto temperature = enter(temperatureText, Box::temperature, inCelsius);
    const auto pressure = enter(pressureText, Box::pressure, inTorr);
    if (temperature && pressure)
        computeThird(*temperature, inCelsius, *pressure, inTorr, isAet);
    return 0;
}
