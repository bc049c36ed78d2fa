#pragma once

#include "platform/conversions.h"

#include <QString>

#include <functional>

// A result rounded to as many significant digits as fit, like a spreadsheet cell too narrow for
// its number: the sign, the leading digit and any exponent stay, and "…" after the digits marks
// the rounding ("1.2…E+17", "0.142857…"). The plain form is tried first where the program's text
// form is plain, then the exponent form; one digit is always kept, even when nothing fits.
// Rounding follows the program's one rule (platform::roundedDecimal). text is the value's text
// form, returned as it is when it fits.
QString roundedToFit(const platform::Decimal &value, const QString &text,
                     const std::function<bool(const QString &)> &fits);
