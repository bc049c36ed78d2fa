#include "conversions.h"

#include "runtimeerror.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace platform {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

std::string withoutBlanks(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return !isBlank(c); });
    return compact;
}

// The run of characters at the start of text that satisfy pred.
template <typename Pred>
std::string_view leadingRun(std::string_view text, Pred pred)
{
    auto end = std::find_if_not(text.begin(), text.end(), pred);
    return text.substr(0, static_cast<std::size_t>(end - text.begin()));
}

// A run of hexadecimal digits as an integer valued double, correctly rounded.
double hexDigitsToNumber(std::string_view digits)
{
    if (digits.empty())
        return 0.0;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::hex);
    if (ec == std::errc::result_out_of_range)
        throw RuntimeError(ErrorCode::Overflow);
    return value;
}

// Octal digits are regrouped from three bits to four, so the hexadecimal reader does the
// rounding.
double octalDigitsToNumber(std::string_view digits)
{
    std::string bits;
    bits.reserve(digits.size() * 3 + 3);
    for (char c : digits) {
        int d = c - '0';
        bits += (d & 4) ? '1' : '0';
        bits += (d & 2) ? '1' : '0';
        bits += (d & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    static constexpr std::array<char, 16> hex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                 '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string hexDigits;
    hexDigits.reserve(bits.size() / 4);
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                     (bits[i + 3] - '0');
        hexDigits += hex[static_cast<std::size_t>(nibble)];
    }
    return hexDigitsToNumber(hexDigits);
}

// Adds one decimal digit to a non-negative magnitude, saturating far beyond any double exponent.
std::int64_t saturatedDigit(std::int64_t value, char digit)
{
    constexpr std::int64_t limit = 1'000'000'000'000;
    return value > limit ? value : value * 10 + (digit - '0');
}

ScannedNumber scanDecimal(std::string_view text)
{
    ScannedNumber number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    const std::string_view intDigits = leadingRun(text.substr(pos), isDigit);
    pos += intDigits.size();
    std::string_view fracDigits;
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        fracDigits = leadingRun(text.substr(pos + 1), isDigit);
        if (!intDigits.empty() || !fracDigits.empty())
            pos += 1 + fracDigits.size();
    }
    if (intDigits.empty() && fracDigits.empty())
        return {};

    std::int64_t exponent = 0;
    if (pos < text.size() && std::string_view("eEdD").find(text[pos]) != std::string_view::npos) {
        std::size_t e = pos + 1;
        bool expNegative = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            expNegative = text[e] == '-';
            ++e;
        }
        for (char c : leadingRun(text.substr(e), isDigit))
            exponent = saturatedDigit(exponent, c);
        if (expNegative)
            exponent = -exponent;
    }
    number.digits.reserve(intDigits.size() + fracDigits.size());
    number.digits.append(intDigits).append(fracDigits);
    number.exponent = exponent - static_cast<std::int64_t>(fracDigits.size());
    return number;
}

double decimalToNumber(const ScannedNumber &number)
{
    if (number.digits.empty())
        return 0.0;
    std::string normal;
    normal.reserve(number.digits.size() + 24);
    if (number.negative)
        normal += '-';
    normal += number.digits;
    normal += 'e';
    normal += std::to_string(number.exponent);
    // fast_float rounds correctly however many digits there are; beyond the range it gives an
    // infinity, below it a zero or a subnormal of the right sign.
    double value = 0.0;
    fast_float::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (std::isinf(value))
        throw RuntimeError(ErrorCode::Overflow);
    return value;
}

} // namespace

ScannedNumber scanNumber(std::string_view text)
{
    const std::string compact = withoutBlanks(text);
    const std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&') {
        ScannedNumber number;
        if (s[1] == 'H' || s[1] == 'h') {
            number.form = ScannedNumber::Form::Hexadecimal;
            number.digits = leadingRun(s.substr(2), isHexDigit);
            return number;
        }
        if (s[1] == 'O' || s[1] == 'o') {
            number.form = ScannedNumber::Form::Octal;
            number.digits = leadingRun(s.substr(2), isOctalDigit);
            return number;
        }
    }
    return scanDecimal(s);
}

double toNumber(const ScannedNumber &number)
{
    switch (number.form) {
    case ScannedNumber::Form::Hexadecimal:
        return hexDigitsToNumber(number.digits);
    case ScannedNumber::Form::Octal:
        return octalDigitsToNumber(number.digits);
    case ScannedNumber::Form::Decimal:
        break;
    }
    return decimalToNumber(number);
}

double textToNumber(std::string_view text)
{
    return toNumber(scanNumber(text));
}

std::string numberToText(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorCode::Overflow);
    if (value == 0.0)
        return "0";
    std::array<char, 32> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 15);
    std::string text(buffer.data(), end);
    std::replace(text.begin(), text.end(), 'e', 'E');
    // The doubles closest to the top of the range round up to a 15-digit text beyond it, which
    // would not read back: they count as too large.
    if (text == "1.79769313486232E+308" || text == "-1.79769313486232E+308")
        throw RuntimeError(ErrorCode::Overflow);
    return text;
}

} // namespace platform
