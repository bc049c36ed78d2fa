#include "coefficientbox.h"

#include "colours.h"

#include "platform/conversions.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

// The most characters of the text a read-back sentence quotes, for the part read and the rest.
constexpr qsizetype quotedCharacters = 120;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The text without the blanks (those the reader skips) at either end.
QString trimmedBlanks(const QString &text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && isBlank(text.at(start)))
        ++start;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
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
    const QString read = trimmedBlanks(QString::fromUtf8(utf8.constData(), length));
    const QString rest =
        trimmedBlanks(QString::fromUtf8(utf8.constData() + length, utf8.size() - length));
    if (rest.isEmpty() && !number.decimalComma)
        return {};
    if (read.isEmpty())
        return QStringLiteral("Read as 0: \u201C%1\u201D is not a number.")
            .arg(elided(rest, quotedCharacters));
    QString value = read;
    if (number.decimalComma)
        value[value.indexOf(u',')] = u'.';
    QString sentence = QStringLiteral("Read as %1").arg(elided(value, quotedCharacters));
    if (!rest.isEmpty())
        sentence += QStringLiteral(": \u201C%1\u201D is not part of the number")
                        .arg(elided(rest, quotedCharacters));
    if (number.decimalComma)
        sentence += rest.isEmpty() ? QStringLiteral(": a comma is a decimal mark here")
                                   : QStringLiteral("; a comma is a decimal mark here");
    return sentence + QLatin1Char('.');
}

void CoefficientBox::readTextBack()
{
    m_readBack = readBack(text());
}

void CoefficientBox::focusOutEvent(QFocusEvent *event)
{
    TextBox::focusOutEvent(event);
    readTextBack();
    updateNote();
    update();
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
