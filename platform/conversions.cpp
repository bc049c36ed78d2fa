#include "conversions.h"

#include "runtimeerror.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <vector>

namespace platform {

namespace {

// The length in bytes of the blank that starts at text[i], or 0. Blanks are tab, CR, LF and the
// Unicode space separators (category Zs): the space, the no-break space U+00A0, U+1680, the
// spaces U+2000 to U+200A, the narrow no-break space U+202F, U+205F and U+3000, in UTF-8.
std::size_t blankAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
    };
    switch (byte(0)) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
        return 1;
    case 0xC2:
        return byte(1) == 0xA0 ? 2 : 0;
    case 0xE1:
        return byte(1) == 0x9A && byte(2) == 0x80 ? 3 : 0;
    case 0xE2:
        if (byte(1) == 0x80 && ((byte(2) >= 0x80 && byte(2) <= 0x8A) || byte(2) == 0xAF))
            return 3;
        return byte(1) == 0x81 && byte(2) == 0x9F ? 3 : 0;
    case 0xE3:
        return byte(1) == 0x80 && byte(2) == 0x80 ? 3 : 0;
    default:
        return 0;
    }
}

// The minus sign U+2212, which reads as "-".
constexpr std::string_view minusSign = "\u2212";

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

// The text without its blanks, and a minus sign U+2212 as "-"; ends[k] is where the text's
// character that became compact[k] ends in the text as typed, and blankBefore[k] whether a blank
// stood right before it.
struct CompactText
{
    std::string compact;
    std::vector<std::size_t> ends;
    std::vector<bool> blankBefore;
};

// The length of the UTF-8 character that starts at text[i]; 0 where the bytes there are none (a
// stray continuation byte, a sequence cut short, an over-long form).
std::size_t characterAt(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xF8   ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    return code < least[length] ? 0 : length;
}

CompactText withoutBlanks(std::string_view text)
{
    CompactText out;
    out.compact.reserve(text.size());
    out.ends.reserve(text.size());
    out.blankBefore.reserve(text.size());
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = blankAt(text, i)) {
            i += length;
            blank = true;
            continue;
        }
        if (text.substr(i, minusSign.size()) == minusSign) {
            i += minusSign.size();
            out.compact += '-';
        } else if (const std::size_t length = characterAt(text, i)) {
            // A character's bytes, each as it is (the last one's end is the character's).
            for (std::size_t k = 1; k < length; ++k) {
                out.compact += text[i++];
                out.ends.push_back(i);
                out.blankBefore.push_back(blank);
                blank = false;
            }
            out.compact += text[i++];
        } else {
            // A byte that is no character: so that no blank removed beside it joins it to
            // others into a character (a group separator, say), it stands alone.
            ++i;
            out.compact += '\x01';
        }
        out.ends.push_back(i);
        out.blankBefore.push_back(blank);
        blank = false;
    }
    return out;
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

// The whole digits at the start of text grouped by sep: a first group of one to three digits that
// does not start with 0, then sep and exactly three digits, once or more, with no sep after the
// last group. Their digits and how many characters they take; none for any other shape.
std::optional<std::pair<std::string, std::size_t>> groupedDigits(std::string_view text,
                                                                 std::string_view sep)
{
    const std::string_view first = leadingRun(text, isDigit);
    if (sep.empty() || first.empty() || first.size() > 3 || first[0] == '0')
        return std::nullopt;
    std::string digits(first);
    std::size_t pos = first.size();
    while (text.substr(pos, sep.size()) == sep) {
        const std::string_view group = leadingRun(text.substr(pos + sep.size()), isDigit);
        if (group.size() != 3)
            return std::nullopt;
        digits.append(group);
        pos += sep.size() + group.size();
    }
    if (pos == first.size())
        return std::nullopt;
    return std::pair{std::move(digits), pos};
}

// A decimal at the start of a text without blanks; its length counts characters of that text.
ScannedNumber scanDecimal(std::string_view text, std::string_view groupSeparator)
{
    ScannedNumber number;
    DecimalPart &part = number.numerator;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        part.negative = text[pos] == '-';
        ++pos;
    }
    std::string intDigits;
    if (auto grouped = groupedDigits(text.substr(pos), groupSeparator)) {
        intDigits = std::move(grouped->first);
        pos += grouped->second;
    } else {
        intDigits = leadingRun(text.substr(pos), isDigit);
        pos += intDigits.size();
    }
    std::string_view fracDigits;
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        fracDigits = leadingRun(text.substr(pos + 1), isDigit);
        if (!intDigits.empty() || !fracDigits.empty()) {
            number.decimalComma = text[pos] == ',';
            number.decimalPeriod = text[pos] == '.';
            pos += 1 + fracDigits.size();
        }
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
        const std::string_view expDigits = leadingRun(text.substr(e), isDigit);
        for (char c : expDigits) {
            exponent = exponent * 10 + (c - '0');
            if (exponent > countedExponent) {
                part.exponentBeyond = true;
                exponent = countedExponent + 1;
                break;
            }
        }
        if (expNegative)
            exponent = -exponent;
        // An exponent letter with no digits after it is not part of the number.
        if (!expDigits.empty())
            pos = e + expDigits.size();
    }
    part.digits.reserve(intDigits.size() + fracDigits.size());
    part.digits.append(intDigits).append(fracDigits);
    part.lastDigitExponent = exponent - static_cast<std::int64_t>(fracDigits.size());
    number.length = pos;
    return number;
}

} // namespace

double decimalToNumber(const DecimalPart &number)
{
    if (number.digits.empty())
        return 0.0;
    std::string normal;
    normal.reserve(number.digits.size() + 24);
    if (number.negative)
        normal += '-';
    normal += number.digits;
    normal += 'e';
    normal += std::to_string(number.lastDigitExponent);
    // fast_float rounds correctly however many digits there are; beyond the range it gives an
    // infinity, below it a zero or a subnormal of the right sign. Versions differ in what they
    // say besides: fast_float 3 says nothing, fast_float 8 says result_out_of_range for both an
    // overflow and an underflow. So the value decides, not the code: only an infinity is an
    // overflow, and a number below the range reads as a zero of its sign.
    double value = std::numeric_limits<double>::quiet_NaN();
    const char *end = normal.data() + normal.size();
    const auto [ptr, ec] = fast_float::from_chars(normal.data(), end, value);
    // The text was made above from digits alone: anything else is a fault in this reader.
    if ((ec != std::errc() && ec != std::errc::result_out_of_range) || ptr != end)
        throw std::logic_error("fast_float did not read " + normal);
    if (std::isnan(value)) {
        // A reader that leaves the value alone when it is out of range: the decimal magnitude
        // (digits times ten to the exponent) says on which side of the range it lies.
        const auto first = number.digits.find_first_not_of('0');
        const auto significant = static_cast<std::int64_t>(number.digits.size() - first);
        const bool above = first != std::string::npos && significant + number.lastDigitExponent > 0;
        value = above ? std::numeric_limits<double>::infinity() : 0.0;
        value = number.negative ? -value : value;
    }
    if (std::isinf(value))
        throw RuntimeError(ErrorCode::Overflow);
    return value;
}

double radixDigitsToNumber(ScannedNumber::Form form, std::string_view digits)
{
    switch (form) {
    case ScannedNumber::Form::Hexadecimal:
        return hexDigitsToNumber(digits);
    case ScannedNumber::Form::Octal:
        return octalDigitsToNumber(digits);
    case ScannedNumber::Form::Decimal:
        break;
    }
    throw std::logic_error("radixDigitsToNumber takes hexadecimal or octal digits");
}

ReadDecimal readDecimal(const DecimalPart &part)
{
    ReadDecimal read{{}, true};
    const std::size_t first = part.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return read;
    const std::size_t last = part.digits.find_last_not_of('0');
    const auto trailingZeros = static_cast<std::int64_t>(part.digits.size() - 1 - last);
    const std::int64_t lastExponent = part.lastDigitExponent + trailingZeros;
    read.value.negative = part.negative;
    read.value.digits = part.digits.substr(first, last + 1 - first);
    read.value.firstDigitExponent =
        part.lastDigitExponent + static_cast<std::int64_t>(part.digits.size() - 1 - first);
    read.withinBounds = !part.exponentBeyond && read.value.digits.size() <= exactDigits &&
                        lastExponent <= exactExponent && lastExponent >= -exactExponent;
    return read;
}

namespace {

// A decimal followed by "/" and a decimal that is not zero, both within the exact bounds and no
// "/" after them: the fraction's length in characters of s, or 0.
std::size_t scanFraction(std::string_view s, std::string_view groupSeparator, ScannedNumber &number)
{
    const std::size_t slash = number.length;
    if (slash >= s.size() || s[slash] != '/' || !readDecimal(number.numerator).withinBounds)
        return 0;
    const ScannedNumber below = scanDecimal(s.substr(slash + 1), groupSeparator);
    const std::size_t end = slash + 1 + below.length;
    const ReadDecimal belowRead = readDecimal(below.numerator);
    if (below.length == 0 || belowRead.value.digits.empty() || !belowRead.withinBounds ||
        (end < s.size() && s[end] == '/'))
        return 0;
    number.denominator = below.numerator;
    number.decimalComma = number.decimalComma || below.decimalComma;
    number.decimalPeriod = number.decimalPeriod || below.decimalPeriod;
    return end;
}

ScannedNumber scanCompact(std::string_view s, std::string_view groupSeparator)
{
    if (s.size() >= 2 && s[0] == '&' &&
        std::string_view("HhOo").find(s[1]) != std::string_view::npos) {
        ScannedNumber number;
        if (s[1] == 'H' || s[1] == 'h') {
            number.form = ScannedNumber::Form::Hexadecimal;
            number.numerator.digits = leadingRun(s.substr(2), isHexDigit);
        } else {
            number.form = ScannedNumber::Form::Octal;
            number.numerator.digits = leadingRun(s.substr(2), isOctalDigit);
        }
        const std::size_t digits = number.numerator.digits.size();
        number.length = digits == 0 ? 0 : 2 + digits;
        return number;
    }
    ScannedNumber number = scanDecimal(s, groupSeparator);
    if (number.length > 0) {
        if (const std::size_t fraction = scanFraction(s, groupSeparator, number))
            number.length = fraction;
    }
    return number;
}

// Whether the gaps (blanks before those characters) within s[begin, end), one part of a number,
// stand only between groups of three digits of its whole part, after a first group of one to
// three.
bool groupsOfThree(std::string_view s, std::size_t begin, std::size_t end,
                   const std::vector<std::size_t> &gaps)
{
    const std::size_t first =
        begin < end && (s[begin] == '+' || s[begin] == '-') ? begin + 1 : begin;
    const std::size_t digitsEnd = first + leadingRun(s.substr(first, end - first), isDigit).size();
    std::size_t group = first;
    bool any = false;
    for (std::size_t gap : gaps) {
        if (gap <= begin || gap >= end)
            continue;
        const std::size_t size = gap - group;
        if (gap >= digitsEnd || size == 0 || size > 3 || (group != first && size != 3))
            return false;
        group = gap;
        any = true;
    }
    return !any || digitsEnd - group == 3;
}

// Where blanks stand inside a number that takes the first `length` characters of a compact text.
ScannedNumber::Blanks blanksInside(const CompactText &compact, std::size_t length,
                                   const ScannedNumber &number)
{
    using Blanks = ScannedNumber::Blanks;
    std::vector<std::size_t> gaps;
    for (std::size_t k = 1; k < length; ++k) {
        if (compact.blankBefore[k])
            gaps.push_back(k);
    }
    if (gaps.empty())
        return Blanks::None;
    if (number.form != ScannedNumber::Form::Decimal)
        return Blanks::Other;
    const std::string_view s(compact.compact.data(), length);
    if (!number.denominator)
        return groupsOfThree(s, 0, length, gaps) ? Blanks::Grouping : Blanks::Other;
    // A fraction: each part on its own; blanks beside the "/" are as good as grouping.
    const std::size_t slash = s.find('/');
    const bool parts =
        groupsOfThree(s, 0, slash, gaps) && groupsOfThree(s, slash + 1, length, gaps);
    return parts ? Blanks::Grouping : Blanks::Other;
}

} // namespace

bool isBlank(char32_t c)
{
    return c == U'\t' || c == U'\r' || c == U'\n' || c == U' ' || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

ScannedNumber scanNumber(std::string_view text, std::string_view groupSeparator)
{
    // A blank separator is read as any blank is; one that could itself belong to a number (a
    // digit, a sign, a slash, a letter) is none.
    const bool usable = std::all_of(groupSeparator.begin(), groupSeparator.end(), [](char c) {
        return !std::isalnum(static_cast<unsigned char>(c)) &&
               std::string_view("+-/&").find(c) == std::string_view::npos;
    });
    const std::string_view separator =
        usable && withoutBlanks(groupSeparator).compact.size() == groupSeparator.size()
            ? groupSeparator
            : std::string_view();
    const CompactText compact = withoutBlanks(text);
    ScannedNumber number = scanCompact(compact.compact, separator);
    const std::size_t characters = number.length;
    number.blanks = blanksInside(compact, characters, number);
    // The length in the text as typed: up to and with the number's last character.
    number.length = characters == 0 ? 0 : compact.ends[characters - 1];
    // The rest, without the blanks at either end.
    number.restBegin = number.restEnd = text.size();
    for (std::size_t i = number.length; i < text.size();) {
        if (const std::size_t blank = blankAt(text, i)) {
            i += blank;
            continue;
        }
        number.restBegin = std::min(number.restBegin, i);
        number.restEnd = ++i;
    }
    return number;
}

std::string decimalText(const Decimal &number, std::string_view mark)
{
    const bool plain = number.firstDigitExponent >= -4 && number.firstDigitExponent < 15;
    return decimalText(number, plain ? Notation::Plain : Notation::Exponent, false, mark);
}

std::string decimalText(const Decimal &number, Notation notation, bool rounded,
                        std::string_view mark)
{
    const std::string &d = number.digits;
    if (d.empty())
        return "0";
    const std::string_view more = rounded ? "\u2026" : "";
    const std::int64_t e = number.firstDigitExponent;
    const auto size = static_cast<std::int64_t>(d.size());
    std::string text = number.negative ? "-" : "";
    if (notation == Notation::Plain && !(rounded && e + 1 >= size)) {
        if (e < 0) {
            text.append("0").append(mark).append(static_cast<std::size_t>(-e - 1), '0').append(d);
        } else if (size <= e + 1) {
            text.append(d).append(static_cast<std::size_t>(e + 1 - size), '0');
        } else {
            const auto point = static_cast<std::size_t>(e + 1);
            text.append(d, 0, point).append(mark).append(d, point);
        }
        return text.append(more);
    }
    text += d[0];
    if (d.size() > 1)
        text.append(mark).append(d, 1);
    const std::string power = std::to_string(e < 0 ? -e : e);
    text.append(more).append(e < 0 ? "E-" : "E+");
    return text.append(power.size() < 2 ? "0" : "").append(power);
}

Decimal roundedDecimal(const Decimal &number, std::size_t significant)
{
    Decimal r = number;
    if (significant == 0 || r.digits.size() <= significant)
        return r;
    // Half away from zero: the dropped part is at least half a unit of the last digit kept
    // exactly when its first digit is 5 or more, whatever follows.
    const bool up = r.digits[significant] >= '5';
    r.digits.resize(significant);
    if (up) {
        std::size_t i = significant;
        for (; i > 0 && r.digits[i - 1] == '9'; --i)
            r.digits[i - 1] = '0';
        if (i > 0) {
            ++r.digits[i - 1];
        } else {
            r.digits.insert(0, 1, '1');
            r.digits.pop_back();
            ++r.firstDigitExponent;
        }
    }
    r.digits.erase(r.digits.find_last_not_of('0') + 1);
    return r;
}

Decimal exactDecimal(double value)
{
    Decimal number;
    if (value == 0.0 || !std::isfinite(value))
        return number;
    // A double's decimal expansion ends within 767 significant digits, so this precision writes
    // every digit of it: "d.ddd…e±x".
    std::array<char, 800> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::scientific, 767);
    if (ec != std::errc())
        throw std::logic_error("to_chars could not write a double");
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t e = text.find('e');
    number.negative = text[0] == '-';
    for (char c : text.substr(0, e))
        if (isDigit(c))
            number.digits += c;
    number.digits.erase(number.digits.find_last_not_of('0') + 1);
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), end, number.firstDigitExponent);
    return number;
}

Decimal shownDecimal(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorCode::Overflow);
    Decimal number = roundedDecimal(exactDecimal(value), shownDigits);
    // The doubles closest to the top of the range round up to 15 digits beyond it, which would
    // not read back: they count as too large.
    if (number.firstDigitExponent == 308 && number.digits == "179769313486232")
        throw RuntimeError(ErrorCode::Overflow);
    return number;
}

std::string numberToText(double value)
{
    return decimalText(shownDecimal(value));
}

} // namespace platform
