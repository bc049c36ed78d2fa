#include "roundedtext.h"

#include "wording.h"

QString roundedToFit(const platform::Decimal &value, const QString &text,
                     const std::function<bool(const QString &)> &fits)
{
    using platform::Notation;
    if (fits(text) || value.digits.empty())
        return text;
    QString last = text;
    for (std::size_t keep = value.digits.size(); keep >= 1; --keep) {
        const platform::Decimal r = platform::roundedDecimal(value, keep);
        const bool mark = keep < value.digits.size();
        if (r.firstDigitExponent >= -4 && r.firstDigitExponent < 15) {
            const QString plain = Wording::boxText(r, Notation::Plain, mark);
            if (fits(plain))
                return plain;
        }
        last = Wording::boxText(r, Notation::Exponent, mark);
        if (fits(last))
            return last;
    }
    return last;
}
