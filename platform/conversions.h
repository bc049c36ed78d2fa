#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The program's conversions between the text of a box and a double. They do not depend on the
// locale.
namespace platform {

// The number a text begins with, as written, before any rounding. Blanks (tab, CR, LF and every
// Unicode space separator: the space, the no-break and narrow no-break spaces, the thin space and
// the others of category Zs) are ignored wherever they stand, and the minus sign U+2212 reads as
// "-". Then either "&H" or "&O" (any case) followed by hexadecimal or
// octal digits, a non-negative integer, or the longest prefix [sign] digits [mark digits]
// [E|D [sign] digits], where the mark is the first "." or "," and the digits may be missing on
// one side of it. A text that does not begin with a number has no digits: it reads as 0.
// Where the caller gives the user's group separator, whole digits grouped by it ("1,000",
// "12,345,678.5" with ","; "1.000" with ".") read as one number: a first group of one to three
// digits that does not start with 0, then the separator before each group of exactly three, and
// no separator after the last group. A text that breaks that shape ("1,000,5", "0,500", "2,5")
// reads as it does without a separator.
// A decimal followed by "/" and a decimal that is not zero is a fraction, read as their quotient
// ("1/3", "1,5/4", "3/-4"), unless either part lies beyond the exact bounds below or a second "/"
// follows: the number then ends at the "/".
// Besides the number, the reading says what the text held beyond it, so that whoever tells the
// user how a text was read tells what was computed.

// The exact bounds: the most significant digits, and the largest magnitude of the exponent of
// the last significant digit, that a decimal may have for the program to solve it exactly.
inline constexpr std::size_t exactDigits = 1000;
inline constexpr std::int64_t exactExponent = 1000;

// The largest magnitude of a typed exponent that the reader counts; a larger one is only known
// to lie beyond it.
inline constexpr std::int64_t countedExponent = 1'000'000'000'000;

// A decimal as typed: its sign and its digits (zeros at either end kept), worth
// digits × 10^lastDigitExponent. A typed exponent beyond ±countedExponent is not counted:
// exponentBeyond says so, and lastDigitExponent then keeps only its sign, beyond the exact
// bounds and the range of doubles.
struct DecimalPart
{
    bool negative = false;
    std::string digits;
    std::int64_t lastDigitExponent = 0;
    bool exponentBeyond = false;
};

struct ScannedNumber
{
    enum class Form { Decimal, Hexadecimal, Octal };
    // Blanks between the number's first and last characters.
    enum class Blanks {
        None,
        Grouping, // only between groups of three digits before the mark ("1 000", "12 345,5"),
                  // or beside a fraction's "/"
        Other,    // anywhere else ("1 2", "- 5", "1, 5")
    };
    Form form = Form::Decimal;
    // A decimal, or a fraction's numerator; a hexadecimal or octal number's digits (its sign
    // and exponent unused).
    DecimalPart numerator;
    // A fraction's denominator.
    std::optional<DecimalPart> denominator;
    // How much of the text, as typed, the number takes in bytes of UTF-8 (blanks within it
    // included); 0 when the text does not begin with a number. Whatever follows is not part of
    // it.
    std::size_t length = 0;
    // Whether the decimal mark was a comma, or a period (in either part of a fraction).
    bool decimalComma = false;
    bool decimalPeriod = false;
    Blanks blanks = Blanks::None;
    // What follows the number, without the blanks at either end: the bytes from restBegin to
    // restEnd (the whole text so trimmed when it does not begin with a number). Empty when the
    // number is all the text holds.
    std::size_t restBegin = 0;
    std::size_t restEnd = 0;

    bool hasRest() const { return restEnd > restBegin; }
    // Whether the text was read as typed where the user's decimal mark is a comma (commaMark) or
    // a period: nothing left over, no other mark taken as the decimal mark, no blanks inside the
    // number but between groups of digits.
    bool readAsTyped(bool commaMark = false) const
    {
        const bool otherMark = commaMark ? decimalPeriod : decimalComma;
        return !hasRest() && !otherMark && blanks != Blanks::Other;
    }
};

// Whether the reader skips a character as a blank: tab, CR, LF and every Unicode space separator
// (category Zs).
bool isBlank(char32_t c);

// The number text begins with. groupSeparator (UTF-8) is the user's group separator, or empty
// for none; a blank one adds nothing, since blanks between groups are read already.
ScannedNumber scanNumber(std::string_view text, std::string_view groupSeparator = {});

// A decimal as its significant digits and the power of ten of the first: -0.0125 is
// {true, "125", -2}. The digits start with one that is not 0 and end with one that is not 0;
// no digits at all is 0.
struct Decimal
{
    bool negative = false;
    std::string digits;
    std::int64_t firstDigitExponent = 0;

    bool operator==(const Decimal &) const = default;
};

// A scanned decimal's value, every digit of it, and whether it lies within the exact bounds: the
// one rule that the reader (for a fraction's parts) and the exact solver both apply.
struct ReadDecimal
{
    Decimal value;     // not counted where the part's exponent was not (exponentBeyond)
    bool withinBounds; // at most exactDigits significant digits, the last one's exponent within
                       // ±exactExponent; zero always is
};
ReadDecimal readDecimal(const DecimalPart &part);

// The double nearest a scanned decimal (correctly rounded), and a hexadecimal or octal number's
// digits as a double. One too large for a double raises ErrorCode::Overflow; one too small reads
// as 0 or a subnormal of its sign. (Every scanned number, a fraction included, is read by
// solver::toNumber, which calls these.)
double decimalToNumber(const DecimalPart &part);
double radixDigitsToNumber(ScannedNumber::Form form, std::string_view digits);

// The most significant digits the program shows of a number.
inline constexpr std::size_t shownDigits = 15;

// The program's one rounding rule: a decimal rounded to `significant` significant digits, half
// away from zero (0.1234567890123455 to 15 digits is 0.123456789012346), trailing zeros dropped.
Decimal roundedDecimal(const Decimal &number, std::size_t significant);

// Every digit of a finite double's value (a double's decimal expansion ends); none for zero.
Decimal exactDecimal(double value);

enum class Notation {
    Plain,    // "-0.0125", "1500"
    Exponent, // "1.25E-02", "1.5E+15": one digit before the point, the exponent of two digits or
              // more
};

// The decimal mark the program writes unless told otherwise.
inline constexpr std::string_view period = ".";

// The program's text form of a decimal: plain while the exponent is from -4 to 14, otherwise the
// exponent form; "0" for no digits. mark (UTF-8) separates the whole part from the fraction.
// Every number the program shows is written by decimalText.
std::string decimalText(const Decimal &number, std::string_view mark = period);

// The same in a notation of the caller's choice. With rounded, "…" (U+2026) follows the digits
// to say that more were dropped ("1.2…E+17", "0.142857…"); a rounded value with no digit after
// the point takes the exponent form, since "12…" or "1200…" would hide where its units are.
std::string decimalText(const Decimal &number, Notation notation, bool rounded = false,
                        std::string_view mark = period);

// A finite double as the program shows it: its exact value rounded to 15 significant digits by
// the rule above, trailing zeros dropped. A value that is not finite, or so close to the top of
// the range that its 15 digits would lie beyond it (and so not read back), raises
// ErrorCode::Overflow.
Decimal shownDecimal(double value);

// The text form of a finite double, decimalText(shownDecimal(value)): the exponent form "1.5E+15"
// / "1E-05" when the decimal exponent is below -4 or at least 15, and "0" for either zero. Every
// text it gives reads back as the same double.
std::string numberToText(double value);

} // namespace platform
