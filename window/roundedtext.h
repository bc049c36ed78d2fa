#pragma once

#include <QString>

#include <functional>

// A result's text rounded to as many significant digits as fit, like a spreadsheet cell too
// narrow for its number: the sign, the leading digit and any exponent stay, and "…" after the
// digits marks the rounding ("1.2…E+17", "0.142857…"). The plain form is tried first, then the
// exponent form; one digit is always kept, even when nothing fits. text is a result in the
// program's text form ([-]digits[.digits][E±digits]); any other text is returned as it is.
QString roundedToFit(const QString &text, const std::function<bool(const QString &)> &fits);
