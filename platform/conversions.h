#pragma once

#include <string>
#include <string_view>

// The program's conversions between the text of a box and a double. They do not depend on the
// locale: the decimal mark is always the period.
namespace platform {

// Reads the number that the text begins with. Blanks (space, tab, CR, LF) are ignored wherever
// they stand. Then either "&H" or "&O" (any case) followed by hexadecimal or octal digits, read as
// a non-negative integer, or the longest prefix [sign] digits [. digits] [E|D [sign] digits], in
// which the digits may be missing on one side of the point. The reading is correctly rounded.
// A text that does not begin with a number reads as 0; a number too large for a double raises
// ErrorCode::Overflow, one too small reads as 0 or a subnormal.
double textToNumber(std::string_view text);

// The text form of a finite double: at most 15 significant digits, trailing zeros dropped, the
// exponent form "1.5E+15" / "1E-05" when the decimal exponent is below -4 or at least 15, and "0"
// for either zero. Every text it gives reads back through textToNumber. A value that is not
// finite, or so close to the top of the range that its 15-digit text would lie beyond it, raises
// ErrorCode::Overflow.
std::string numberToText(double value);

} // namespace platform
