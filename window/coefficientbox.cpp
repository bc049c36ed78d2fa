#include "coefficientbox.h"

#include "colours.h"

#include "platform/conversions.h"
#include "solver/exact.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

// The most characters of the text a read-back sentence quotes, for the value and the rest.
constexpr qsizetype quotedCharacters = 120;

// The blanks the reader skips: tab, CR, LF and every Unicode space separator.
bool isBlank(QChar c)
{
    return c == u'\t' || c == u'\r' || c == u'\n' || c.category() == QChar::Separator_Space;
}

// The text without the blanks at either end.
QString trimmedBlanks(const QString &text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && isBlank(text.at(start)))
        ++start;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

// A text to quote (already cut to length), with each character the eye cannot see named by its code
// ("[U+00A0]"): blanks other than the space, controls, and format characters such as the zero-width
// space.
QString quoted(const QString &text)
{
    QString out;
    for (QChar c : text) {
        const auto category = c.category();
        const bool unseen = (isBlank(c) && c != u' ') || category == QChar::Other_Control ||
                            category == QChar::Other_Format || category == QChar::Separator_Line ||
                            category == QChar::Separator_Paragraph;
        out += unseen ? QStringLiteral("[U+%1]").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper()
                      : QString(c);
    }
    return QStringLiteral("\u201C%1\u201D").arg(out);
}

} // namespace

CoefficientBox::CoefficientBox(QWidget *parent) : TextBox(parent)
{
    // While the text changes under the user's hands, the last read-back no longer speaks of it;
    // a text set from elsewhere is read back at once.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (hasFocus())
            m_readBack.clear();
        else
            readTextBack();
        updateNote();
        update();
    });
}

QString CoefficientBox::readBack(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const platform::ScannedNumber number =
        platform::scanNumber(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    const auto length = qsizetype(number.length);
    const QString rest =
        trimmedBlanks(QString::fromUtf8(utf8.constData() + length, utf8.size() - length));
    if (rest.isEmpty() && !number.decimalComma)
        return {};
    if (length == 0)
        return QStringLiteral("Read as 0: %1 is not a number.")
            .arg(quoted(elided(rest, quotedCharacters)));
    // The value read, every digit of it, as the program writes numbers; a hexadecimal or octal
    // number too long to convert is shown as typed, without its blanks.
    QString value;
    if (const auto read = solver::exact::valueRead(number))
        value = QString::fromStdString(*read);
    else
        value = (number.form == platform::ScannedNumber::Form::Octal ? QStringLiteral("&O")
                                                                     : QStringLiteral("&H")) +
                QString::fromStdString(number.digits);
    QString sentence = QStringLiteral("Read as %1").arg(elided(value, quotedCharacters));
    if (!rest.isEmpty())
        sentence += QStringLiteral(": %1 is not part of the number")
                        .arg(quoted(elided(rest, quotedCharacters)));
    if (number.decimalComma)
        sentence += rest.isEmpty() ? QStringLiteral(": a comma is a decimal mark here")
                                   : QStringLiteral("; a comma is a decimal mark here");
    return sentence + QLatin1Char('.');
}

void CoefficientBox::readTextBack()
{
    m_readBack = readBack(text());
    updateNote();
    update();
}

void CoefficientBox::focusOutEvent(QFocusEvent *event)
{
    TextBox::focusOutEvent(event);
    readTextBack();
}

// A dotted line under the text as drawn (from its start, when it is wider than the box).
void CoefficientBox::paintOverText(QPainter &painter)
{
    if (m_readBack.isEmpty())
        return;
    const QRect area = textArea();
    const QFontMetrics metrics = fontMetrics();
    const int width = std::min(metrics.horizontalAdvance(displayText()), area.width());
    const int left = textFits() ? area.left() + (area.width() - width) / 2 : area.left();
    const int y = area.center().y() + (metrics.ascent() - metrics.descent()) / 2 + 3;
    painter.setPen(QPen(markColour(this), 2, Qt::DotLine));
    painter.drawLine(left, y, left + width, y);
}
