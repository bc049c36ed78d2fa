#include "coefficientbox.h"

#include "colours.h"
#include "wording.h"

#include "platform/conversions.h"
#include "solver/exact.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

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
    const QString rest = QString::fromUtf8(utf8.constData() + number.restBegin,
                                           qsizetype(number.restEnd - number.restBegin));
    return Wording::readBack(number, solver::exact::valueRead(number), rest);
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
