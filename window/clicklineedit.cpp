#include "clicklineedit.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

bool ClickLineEdit::textFits() const
{
    // The text area as QLineEdit lays it out: the style's contents rectangle less the text
    // margins, a margin of two pixels on either side, and room for the cursor.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect area = style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                           .marginsRemoved(textMargins());
    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
    const int textWidth = fontMetrics().horizontalAdvance(displayText());
    return textWidth + 1 + cursorWidth <= area.width() - 2 * 2;
}

void ClickLineEdit::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void ClickLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    bool click = m_pressed && event->button() == Qt::LeftButton &&
                 rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}
