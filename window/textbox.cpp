#include "textbox.h"

#include "colours.h"
#include "wording.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>

#include <algorithm>

namespace {

// The most characters of its text a box's tooltip shows.
constexpr qsizetype tooltipCharacters = 300;

} // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    // Text set while the box has no focus is shown from its start, as a classic text box does;
    // QLineEdit would leave the cursor at the end and scroll the sign and first digits away.
    // What the user types (textEdited comes first) keeps its cursor.
    connect(this, &QLineEdit::textEdited, this, [this] { m_typing = true; });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus() && !m_typing)
            setCursorPosition(0);
        m_typing = false;
        updateNote();
    });
}

QRect TextBox::textArea() const
{
    // The text area as QLineEdit lays it out: the style's contents rectangle less the text
    // margins, a margin of two pixels on either side, and room for the cursor.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(2, 0, -2 - 1 - cursorWidth, 0);
}

bool TextBox::fits(const QString &text) const
{
    // A text of more characters than the area has pixels does not fit: that answer costs
    // nothing, however long a pasted text is.
    const int width = textArea().width();
    return text.size() <= width && fontMetrics().horizontalAdvance(text) <= width;
}

bool TextBox::textFits() const
{
    return fits(displayText());
}

void TextBox::setDescription(const QString &description)
{
    m_description = description;
    updateNote();
}

void TextBox::setTipTitle(const QString &title)
{
    m_tipTitle = title;
    updateNote();
}

// One place builds the note: the description, then what is known of the value, and in the
// tooltip and What's This the text itself when it does not fit. Both are plain text: a typed
// "<b>" is shown, not obeyed.
void TextBox::updateNote()
{
    const QStringList value = valueNote();
    setAccessibleDescription(Wording::sentences(QStringList{description()} + value));

    QStringList tip = QStringList{m_tipTitle} + value;
    if (tipShowsText())
        tip.append(textLine(Wording::elided(text(), tooltipCharacters)));
    tip.removeAll(QString());
    const QString plain = tip.join(QLatin1Char('\n'));
    const QString shown =
        Qt::mightBeRichText(plain) ? Qt::convertFromPlainText(plain, Qt::WhiteSpaceNoWrap) : plain;
    setToolTip(shown);
    // What's This (Shift+F1) tells a keyboard user the same.
    setWhatsThis(shown);
}

QString TextBox::textLine(const QString &text) const
{
    return Wording::typedLine(text);
}

// Alt with a key that is no access key types nothing, as on the platform the window comes from;
// AltGr (Ctrl+Alt on Windows, its own modifier elsewhere) still types its character.
void TextBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers held =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held == Qt::AltModifier && !event->text().isEmpty()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    bool click = m_pressed && event->button() == Qt::LeftButton &&
                 rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Tab selects the whole text; the cursor goes to its start, so the start is what shows.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        setSelection(int(text().size()), -int(text().size()));
    update();
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A popup (the context menu) or another window takes the focus only for a while: where the
    // cursor was is where a paste or the next key must land.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setCursorPosition(0);
    update();
}

void TextBox::paintOverText(QPainter &) {}

// A dotted line under the text (from its start, when it is wider than the box) and a dotted
// frame inside the edge, so that even a box of one digit shows it.
void TextBox::drawReadMark(QPainter &painter) const
{
    const QRect area = textArea();
    const QFontMetrics metrics = fontMetrics();
    const QString shown = shownText();
    const int width = std::min(metrics.horizontalAdvance(shown), area.width());
    const int left = fits(shown) ? area.left() + (area.width() - width) / 2 : area.left();
    const int y = area.center().y() + (metrics.ascent() - metrics.descent()) / 2 + 3;
    painter.setPen(QPen(markColour(this), 2, Qt::DotLine));
    painter.drawLine(left, y, left + width, y);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

void TextBox::paintEvent(QPaintEvent *event)
{
    const QString shown = shownText();
    if (shown == displayText()) {
        QLineEdit::paintEvent(event);
    } else {
        QPainter painter(this);
        QStyleOptionFrame option;
        initStyleOption(&option);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
        const int flags = int(alignment()) | Qt::AlignVCenter;
        QColor pen = palette().color(QPalette::Text);
        // A selection (Ctrl+A) covers the text drawn, which stands for the whole text.
        if (hasFocus() && hasSelectedText()) {
            painter.fillRect(painter.boundingRect(textArea(), flags, shown),
                             palette().color(QPalette::Highlight));
            pen = palette().color(QPalette::HighlightedText);
        }
        painter.setPen(pen);
        painter.drawText(textArea(), flags, shown);
    }
    QPainter painter(this);
    paintOverText(painter);

    // A box whose background is too close to the ground gets an edge that stands out from it.
    const QColor base = palette().color(QPalette::Base);
    const QColor ground = groundColour(this);
    if (contrastRatio(base, ground) < 3.0) {
        QColor edge = palette().color(QPalette::Text);
        if (contrastRatio(edge, ground) < 3.0)
            edge = contrastRatio(Qt::white, ground) >= contrastRatio(Qt::black, ground)
                       ? QColor(Qt::white)
                       : QColor(Qt::black);
        painter.setPen(edge);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.end();
    if (hasFocus())
        drawFocusOutline(this, base);
}
