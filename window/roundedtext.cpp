#include "roundedtext.h"

#include "platform/conversions.h"

#include <QRegularExpression>

namespace {

using platform::Decimal;

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
    out.digits = all.toStdString();
    return true;
}

// The first `keep` digits, rounded half up; a carry out of the first digit raises the exponent.
Decimal rounded(const Decimal &d, int keep)
{
    Decimal r = d;
    r.digits = d.digits.substr(0, std::size_t(keep));
    if (d.digits.size() > std::size_t(keep) && d.digits[std::size_t(keep)] >= '5') {
        int i = keep - 1;
        for (; i >= 0 && r.digits[std::size_t(i)] == '9'; --i)
            r.digits[std::size_t(i)] = '0';
        if (i >= 0) {
            ++r.digits[std::size_t(i)];
        } else {
            r.digits.insert(0, 1, '1');
            r.digits.pop_back();
            ++r.exponent;
        }
    }
    r.digits.erase(std::max<std::size_t>(r.digits.find_last_not_of('0') + 1, 1));
    return r;
}

} // namespace

QString roundedToFit(const QString &text, const std::function<bool(const QString &)> &fits)
{
    Decimal d;
    if (fits(text) || !parse(text, d))
        return text;
    QString last;
    for (int keep = int(d.digits.size()); keep >= 1; --keep) {
        const Decimal r = rounded(d, keep);
        const bool mark = keep < int(d.digits.size());
        // The plain form first where the program's text form is plain, then the exponent form.
        if (r.exponent >= -4 && r.exponent < 15) {
            const QString p =
                QString::fromStdString(platform::decimalText(r, platform::Notation::Plain, mark));
            if (fits(p))
                return p;
        }
        last = QString::fromStdString(platform::decimalText(r, platform::Notation::Exponent, mark));
        if (fits(last))
            return last;
    }
    return last;
}
