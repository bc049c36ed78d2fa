#include "roundedtext.h"

#include <QRegularExpression>

namespace {

// A decimal number as its significant digits d1 d2 ... and the power of ten of d1.
struct Decimal
{
    bool negative = false;
    QString digits;
    int exponent = 0;
};

bool parse(const QString &text, Decimal &out)
{
    static const QRegularExpression form(
        QStringLiteral("^(-?)([0-9]+)(?:\\.([0-9]+))?(?:E([+-][0-9]+))?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    const QString whole = m.captured(2), fraction = m.captured(3);
    QString all = whole + fraction;
    const qsizetype first = all.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    if (first < 0)
        return false; // zero is short enough to show whole
    out.negative = !m.captured(1).isEmpty();
    out.exponent = int(whole.size()) - 1 - int(first) + m.captured(4).toInt();
    all = all.mid(first);
    while (all.endsWith(QLatin1Char('0')))
        all.chop(1);
    out.digits = all;
    return true;
}

// The first `keep` digits, rounded half up; a carry out of the first digit raises the exponent.
Decimal rounded(const Decimal &d, int keep)
{
    Decimal r = d;
    r.digits = d.digits.left(keep);
    if (d.digits.size() > keep && d.digits[keep] >= QLatin1Char('5')) {
        int i = keep - 1;
        for (; i >= 0 && r.digits[i] == QLatin1Char('9'); --i)
            r.digits[i] = QLatin1Char('0');
        if (i >= 0) {
            r.digits[i] = QChar(r.digits[i].unicode() + 1);
        } else {
            r.digits.prepend(QLatin1Char('1'));
            r.digits.chop(1);
            ++r.exponent;
        }
    }
    while (r.digits.size() > 1 && r.digits.endsWith(QLatin1Char('0')))
        r.digits.chop(1);
    return r;
}

// Plain form, with "…" after the digits when they were rounded; empty when the number would need
// zeros beyond its digits before the point (the plain form would then be as long as the text).
QString plain(const Decimal &d, const QString &mark)
{
    QString s = d.negative ? QStringLiteral("-") : QString();
    if (d.exponent < 0) {
        s += QStringLiteral("0.") + QString(-d.exponent - 1, QLatin1Char('0')) + d.digits;
    } else if (d.exponent + 1 < d.digits.size()) {
        s += d.digits.left(d.exponent + 1) + QLatin1Char('.') + d.digits.mid(d.exponent + 1);
    } else {
        return QString();
    }
    return s + mark;
}

QString scientific(const Decimal &d, const QString &mark)
{
    QString s = d.negative ? QStringLiteral("-") : QString();
    s += d.digits.left(1);
    if (d.digits.size() > 1)
        s += QLatin1Char('.') + d.digits.mid(1);
    const int e = d.exponent;
    return s + mark +
           QStringLiteral("E%1%2").arg(e < 0 ? '-' : '+').arg(qAbs(e), 2, 10, QLatin1Char('0'));
}

} // namespace

QString roundedToFit(const QString &text, const std::function<bool(const QString &)> &fits)
{
    Decimal d;
    if (fits(text) || !parse(text, d))
        return text;
    const int plainUpTo = 15; // the text form's own rule: plain while the exponent is below 15
    QString last;
    for (int keep = int(d.digits.size()); keep >= 1; --keep) {
        const Decimal r = rounded(d, keep);
        const QString mark = keep < d.digits.size() ? QStringLiteral("\u2026") : QString();
        if (r.exponent >= -4 && r.exponent < plainUpTo) {
            const QString p = plain(r, mark);
            if (!p.isEmpty() && fits(p))
                return p;
        }
        last = scientific(r, mark);
        if (fits(last))
            return last;
    }
    return last;
}
