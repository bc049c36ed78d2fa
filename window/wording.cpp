#include "wording.h"

#include <QLocale>

#include <exception>
#include <new>
#include <string>

namespace {

// The decimal mark the window writes numbers with: a comma where the user's locale has one,
// otherwise a period.
std::string decimalMark()
{
    return Wording::commaMark() ? "," : std::string(platform::period);
}

// The most characters of the text a read-back sentence quotes, for the value and the rest.
constexpr qsizetype quotedCharacters = 120;

// A text to quote, cut to length, with each character the eye cannot see named by its code
// ("[U+00A0]"): blanks other than the space, controls, and format characters such as the
// zero-width space.
QString quoted(const QString &text)
{
    QString out;
    for (QChar c : Wording::elided(text, quotedCharacters)) {
        const auto category = c.category();
        const bool unseen = (platform::isBlank(c.unicode()) && c != u' ') ||
                            category == QChar::Other_Control || category == QChar::Other_Format ||
                            category == QChar::Separator_Line ||
                            category == QChar::Separator_Paragraph;
        out += unseen ? QStringLiteral("[U+%1]").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper()
                      : QString(c);
    }
    return Wording::quote(out);
}

// The minus sign of a formula, U+2212.
const QChar minus(0x2212);

// A count as the window writes it: in groups of digits by the number format from 10,000 on
// ("1000", "1,000,000,000,000").
QString count(long long value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return value < 10000 && value > -10000 ? QString::number(value) : locale.toString(value);
}

// A number's text in a sentence: the minus sign U+2212 for "-".
QString inSentence(QString text)
{
    return text.replace(QLatin1Char('-'), minus);
}

// Where each coefficient stands, by its place among the six.
QString place(std::size_t index)
{
    const int equation = index < 3 ? 1 : 2;
    switch (index % 3) {
    case 0:
        return Wording::tr("coefficient of X in equation %1").arg(equation);
    case 1:
        return Wording::tr("coefficient of Y in equation %1").arg(equation);
    default:
        return Wording::tr("right-hand side of equation %1").arg(equation);
    }
}

const char *const symbols[] = {"a1", "b1", "c1", "a2", "b2", "c2"};

// X's formula from its facts: X = constant − slope·Y, as "3 − Y", "1/3 + (2/3)Y", "−2Y".
QString xFromY(const solver::Solutions &s)
{
    solver::Number slope = s.slope.number;
    const bool add = slope.value.negative; // − slope·Y
    slope.value.negative = false;
    QString factor =
        slope == solver::Number{{false, "1", 0}, std::nullopt} ? QString() : Wording::number(slope);
    if (slope.denominator)
        factor = QStringLiteral("(%1)").arg(factor);
    else if (factor.contains(QLatin1Char('E')))
        factor += QChar(0x00B7);
    const QString term = factor + QLatin1Char('Y');
    if (s.constant.number.value.digits.empty())
        return add ? term : minus + term;
    return QStringLiteral("%1 %2 %3")
        .arg(Wording::number(s.constant.number), add ? QStringLiteral("+") : QString(minus), term);
}

QString solutionsText(const solver::Solutions &s)
{
    using Form = solver::Solutions::Form;
    QString text;
    switch (s.form) {
    case Form::XFromY:
        text = s.slope.number.value.digits.empty()
                   ? Wording::tr("Infinitely many solutions: X = %1; Y can be any number.")
                         .arg(Wording::number(s.constant.number))
                   : Wording::tr("Infinitely many solutions: X = %1, for any Y.").arg(xFromY(s));
        break;
    case Form::YAlone:
        text = Wording::tr("Infinitely many solutions: Y = %1; X can be any number.")
                   .arg(Wording::number(s.constant.number));
        break;
    case Form::Any:
        return Wording::tr("Infinitely many solutions: any X and Y satisfy both equations.");
    }
    if (s.constant.rounded || s.slope.rounded)
        text = Wording::sentences(
            {text, Wording::tr("Its numbers are rounded to %1 significant digits.")
                       .arg(platform::shownDigits)});
    return text;
}

} // namespace

QString Wording::beyondBounds(const QString &box)
{
    return tr("%1 has more than %2 significant digits, or a last significant digit "
              "whose exponent is beyond ±%3",
              "a coefficient (a1), then the bounds")
        .arg(box, count(platform::exactDigits), count(platform::exactExponent));
}

bool Wording::commaMark()
{
    return QLocale().decimalPoint() == QLatin1String(",");
}

std::string Wording::groupSeparator()
{
    // The C and POSIX locales group no digits. QLocale::c() says so by omitting the separator,
    // but the system locale of a C session is another QLocale of that language, which still
    // gives ",".
    const QLocale locale;
    if (locale.language() == QLocale::C ||
        locale.numberOptions().testFlag(QLocale::OmitGroupSeparator))
        return {};
    return locale.groupSeparator().toStdString();
}

QString Wording::boxText(const platform::Decimal &value)
{
    return QString::fromStdString(platform::decimalText(value, decimalMark()));
}

QString Wording::boxText(const platform::Decimal &value, platform::Notation notation, bool rounded)
{
    return QString::fromStdString(platform::decimalText(value, notation, rounded, decimalMark()));
}

QString Wording::boxText(const solver::Number &value)
{
    if (!value.denominator)
        return boxText(value.value);
    return QStringLiteral("%1/%2").arg(boxText(value.value), boxText(*value.denominator));
}

QString Wording::number(const platform::Decimal &value)
{
    return inSentence(boxText(value));
}

QString Wording::number(const solver::Number &value)
{
    return inSentence(boxText(value));
}

QString Wording::list(const QStringList &items)
{
    return items.join(commaMark() ? QLatin1String("; ") : QLatin1String(", "));
}

QString Wording::lists(const QString &first, const QString &second)
{
    return first + (commaMark() ? QLatin1String(". ") : QLatin1String("; ")) + second;
}

QString Wording::quote(const QString &text)
{
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return QStringLiteral("\u201C%1\u201D").arg(text);
    return locale.quoteString(text);
}

QString Wording::equation(const QString &unknown, const QString &text)
{
    return QStringLiteral("%1 = %2").arg(unknown, text);
}

QString Wording::coefficientName(std::optional<std::size_t> index)
{
    if (!index || *index >= std::size(symbols))
        return {};
    return tr("%1 (%2)", "a coefficient (a1), then where it stands")
        .arg(QString::fromLatin1(symbols[*index]), place(*index));
}

QString Wording::coefficientTip(std::size_t index)
{
    return tr("%1: %2", "a coefficient (a1), then where it stands")
        .arg(QString::fromLatin1(symbols[index]), place(index));
}

QStringList Wording::resultNote(const solver::Result &result, const QString &beyondBox)
{
    if (result.unchecked)
        return {tr("Worked out by a calculator's floating-point arithmetic through the same "
                   "formula, and not checked: %1.")
                    .arg(beyondBounds(beyondBox))};
    QStringList lines;
    if (result.rounded && result.exact)
        lines.append(tr("Rounded to %1 significant digits; the exact answer is %2.")
                         .arg(QString::number(platform::shownDigits), number(*result.exact)));
    else if (result.rounded)
        lines.append(tr("Rounded to %1 significant digits; the exact answer has more digits.")
                         .arg(platform::shownDigits));
    if (!result.stepsDiffer())
        return lines;
    if (!result.rounded)
        lines.append(tr("This is the exact answer."));
    using Outcome = solver::DoubleSteps::Outcome;
    switch (result.steps.outcome) {
    case Outcome::Value:
        lines.append(tr("A calculator working through the same formula in floating point would "
                        "give %1.")
                         .arg(number(result.steps.value)));
        break;
    case Outcome::DivisionByZero:
        lines.append(tr("A calculator working through the same formula in floating point would "
                        "divide by zero."));
        break;
    case Outcome::Overflow:
        lines.append(tr("A calculator working through the same formula in floating point would "
                        "meet a number too large for it."));
        break;
    case Outcome::Unread:
        lines.append(tr("A calculator working in floating point could not even hold a "
                        "coefficient: it is too large for it."));
        break;
    }
    return lines;
}

QString Wording::drawnExactly(const QString &fraction)
{
    return tr("The box draws the exact answer, %1, and holds it to %2 significant digits.")
        .arg(fraction)
        .arg(platform::shownDigits);
}

QString Wording::staleNote()
{
    return tr("From earlier equations.");
}

QString Wording::typedResultNote(const QString &unknown, const QString &calculateKey)
{
    return tr("Typed here, not computed: Calculate (%1) computes %2.",
              "the Calculate button's access key (Alt+A), then the unknown, X or Y")
        .arg(calculateKey, unknown);
}

QString Wording::resultLine(const QString &text)
{
    return tr("In the box: %1").arg(text);
}

QString Wording::typedLine(const QString &text)
{
    return tr("Typed: %1").arg(text);
}

QString Wording::valueRead(const platform::ScannedNumber &number,
                           const std::optional<solver::Number> &value)
{
    using Form = platform::ScannedNumber::Form;
    if (!value && number.form == Form::Decimal)
        return tr("a number whose exponent is beyond ±%1").arg(count(platform::countedExponent));
    if (!value)
        return QString::fromLatin1(number.form == Form::Octal ? "&O" : "&H") +
               QString::fromStdString(number.numerator.digits);
    // A whole number in hexadecimal or octal digits is written out in full.
    if (number.form != Form::Decimal)
        return inSentence(boxText(value->value, platform::Notation::Plain));
    return Wording::number(*value);
}

QString Wording::readBack(const platform::ScannedNumber &number, const QString &value,
                          const QString &rest)
{
    if (number.readAsTyped(commaMark()))
        return {};
    if (number.length == 0)
        return tr("Read as %1: %2 is not a number.").arg(value, quoted(rest));
    QStringList said = {tr("Read as %1.").arg(elided(value, quotedCharacters))};
    if (!rest.isEmpty())
        said.append(tr("%1 is not part of the number.").arg(quoted(rest)));
    if (number.decimalComma && !commaMark())
        said.append(tr("The comma was read as a decimal mark."));
    if (number.decimalPeriod && commaMark())
        said.append(tr("The period was read as a decimal mark."));
    if (number.blanks == platform::ScannedNumber::Blanks::Other)
        said.append(tr("The blanks inside the number are skipped."));
    return sentences(said);
}

QString Wording::misreadSentence(const QString &coefficient, const QString &value)
{
    return tr("%1 was read as %2, not as typed.", "a coefficient (a1) and its value")
        .arg(coefficient, elided(value, quotedCharacters));
}

QString Wording::misreadSpoken(const QString &coefficient, const QString &value)
{
    return tr("%1 read as %2", "a coefficient (a1) and its value")
        .arg(coefficient, elided(value, quotedCharacters));
}

QString Wording::error(platform::ErrorCode code, const solver::Verdict &verdict)
{
    using platform::ErrorCode;
    const QString box = coefficientName(verdict.beyondBounds);
    switch (code) {
    case ErrorCode::NoSolution:
        if (verdict.impossibleEquation && verdict.impossibleRightSide)
            return tr("No solution: equation %1 reads 0 = %2.", "the equation (1 or 2), then c")
                .arg(*verdict.impossibleEquation)
                .arg(number(*verdict.impossibleRightSide));
        return tr("No solution: the two equations contradict each other.");
    case ErrorCode::NotUnique:
        if (verdict.solutions)
            return solutionsText(*verdict.solutions);
        return tr("No unique solution: infinitely many pairs of X and Y satisfy both equations.");
    case ErrorCode::Overflow:
        return tr("The equations were not solved exactly: %1. A calculator working through the "
                  "same formula in floating point then meets a number too large for it.")
            .arg(beyondBounds(box));
    case ErrorCode::DivisionByZero:
        return tr("The equations were not solved exactly: %1. A calculator working through the "
                  "same formula in floating point then divides by zero.")
            .arg(beyondBounds(box));
    }
    return tr("The calculation failed.");
}

QString Wording::currentError(const solver::Verdict &verdict) noexcept
{
    try {
        throw;
    } catch (const platform::RuntimeError &error) {
        return Wording::error(error.code(), verdict);
    } catch (const std::bad_alloc &) {
        return tr("There is not enough memory to calculate.");
    } catch (...) {
        return tr("The calculation failed.");
    }
}

QString Wording::neitherComputed(const QStringList &keeping)
{
    if (keeping.size() > 1)
        return tr("Neither result could be computed; both boxes keep their earlier values.");
    if (keeping.size() == 1)
        return tr("Neither result could be computed; the %1 box keeps its earlier value.",
                  "the unknown, X or Y")
            .arg(keeping.front());
    return tr("Neither result could be computed.");
}

QString Wording::notComputed(const QStringList &written, const QString &unknown, bool keeps)
{
    QStringList said;
    for (const QString &result : written)
        said.append(tr("%1 was computed.", "a result written before the failure, as \"Y = 1\"")
                        .arg(result));
    said.append(keeps ? tr("%1 could not be computed; its box keeps its earlier value.",
                           "the unknown, X or Y")
                            .arg(unknown)
                      : tr("%1 could not be computed.", "the unknown, X or Y").arg(unknown));
    return sentences(said);
}

QString Wording::shownBeside(const QStringList &written, const QString &unknown, bool keeps)
{
    const QString shown = list(written);
    return keeps ? tr("%1 is shown; the %2 box keeps its earlier text.",
                      "a result (X = 2), then the other unknown")
                       .arg(shown, unknown)
                 : tr("%1 is shown.", "a result (X = 2)").arg(shown);
}

QString Wording::sentences(const QStringList &sentences)
{
    QStringList said = sentences;
    said.removeAll(QString());
    return said.join(QLatin1Char(' '));
}

QString Wording::spokenResults(const QStringList &written, const QStringList &misread)
{
    return misread.isEmpty() ? list(written) : lists(list(written), list(misread));
}

QString Wording::elided(const QString &text, qsizetype count)
{
    if (text.size() <= count)
        return text;
    if (text.at(count - 1).isHighSurrogate())
        --count;
    return text.left(count) + QChar(0x2026);
}

QString Wording::showWorking()
{
    return tr("Show the &working (F1)");
}

QString Wording::warningPicture()
{
    return tr("Warning");
}
