#include "clicklineedit.h"

#include "focusoutline.h"
#include "roundedtext.h"
#include "vbcolour.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString staleNote = QStringLiteral("From earlier equations.");

// The box's text colour dimmed toward its background as far as it stays legible: at least 4.5:1,
// or the normal text's own contrast where the scheme gives less.
QColor dimmed(const QColor &text, const QColor &base)
{
    const double wanted = std::min(4.5, contrastRatio(text, base));
    for (int step = 12; step > 0; --step) {
        const double t = step / 20.0;
        const QColor c = QColor::fromRgbF(text.redF() + (base.redF() - text.redF()) * t,
                                          text.greenF() + (base.greenF() - text.greenF()) * t,
                                          text.blueF() + (base.blueF() - text.blueF()) * t);
        if (contrastRatio(c, base) >= wanted)
            return c;
    }
    return text;
}

} // namespace

ClickLineEdit::ClickLineEdit(QWidget *parent) : QLineEdit(parent)
{
    // Text set while the box has no focus is shown from its start, as a classic text box does;
    // QLineEdit would leave the cursor at the end and scroll the sign and first digits away.
    // What the user types (textEdited comes first) keeps its cursor.
    connect(this, &QLineEdit::textEdited, this, [this] {
        m_holdsResult = false;
        m_typing = true;
    });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus() && !m_typing)
            setCursorPosition(0);
        m_typing = false;
        updateNote();
    });
}

QRect ClickLineEdit::textArea() const
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

bool ClickLineEdit::fits(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text) <= textArea().width();
}

bool ClickLineEdit::textFits() const
{
    return fits(displayText());
}

void ClickLineEdit::showResult(const QString &text)
{
    setText(text);
    setCursorPosition(0);
    m_holdsResult = true;
}

QString ClickLineEdit::displayedText() const
{
    if (!m_showsResults || !m_holdsResult || hasFocus())
        return displayText();
    return roundedToFit(text(), [this](const QString &t) { return fits(t); });
}

void ClickLineEdit::setStale(bool stale)
{
    if (stale == m_stale)
        return;
    m_stale = stale;
    QFont f = font();
    f.setItalic(stale);
    setFont(f);
    updateColours();
    updateNote();
}

void ClickLineEdit::updateColours()
{
    if (!m_stale) {
        setPalette(QPalette()); // every colour from the window again
        return;
    }
    const QPalette inherited = parentWidget() ? parentWidget()->palette() : QPalette();
    QPalette own = inherited;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        own.setColor(
            group, QPalette::Text,
            dimmed(inherited.color(group, QPalette::Text), inherited.color(group, QPalette::Base)));
    setPalette(own);
}

void ClickLineEdit::setDescription(const QString &description)
{
    m_description = description;
    updateNote();
}

void ClickLineEdit::setValueNote(const QString &note)
{
    m_valueNote = note;
    updateNote();
}

// One place builds the note: the description, then what is known of the value (from earlier
// equations, or what the window says of it), and in the tooltip and What's This the whole text
// when it does not fit. Both are plain text: a typed "<b>" is shown, not obeyed.
void ClickLineEdit::updateNote()
{
    const QString value = m_stale ? staleNote : m_valueNote;
    QStringList description = {m_description, value};
    description.removeAll(QString());
    setAccessibleDescription(description.join(QLatin1Char(' ')));

    QStringList tip = {value};
    if (!textFits())
        tip.append(text());
    tip.removeAll(QString());
    const QString plain = tip.join(QLatin1Char(' '));
    const QString shown =
        Qt::mightBeRichText(plain) ? Qt::convertFromPlainText(plain, Qt::WhiteSpaceNoWrap) : plain;
    setToolTip(shown);
    // What's This (Shift+F1) tells a keyboard user the same.
    setWhatsThis(shown);
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

void ClickLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Tab selects the whole text; the cursor goes to its start, so the start is what shows.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        setSelection(int(text().size()), -int(text().size()));
    update();
}

void ClickLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A popup (the context menu) or another window takes the focus only for a while: where the
    // cursor was is where a paste or the next key must land.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setCursorPosition(0);
    update();
}

void ClickLineEdit::paintEvent(QPaintEvent *event)
{
    const QString shown = displayedText();
    if (shown == displayText()) {
        QLineEdit::paintEvent(event);
    } else {
        QPainter painter(this);
        QStyleOptionFrame option;
        initStyleOption(&option);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(textArea(), int(alignment()) | Qt::AlignVCenter, shown);
    }

    // A box whose background is too close to the ground gets an edge that stands out from it.
    const QColor base = palette().color(QPalette::Base);
    const QColor ground = groundColour(this);
    if (contrastRatio(base, ground) < 3.0) {
        QColor edge = palette().color(QPalette::Text);
        if (contrastRatio(edge, ground) < 3.0)
            edge = contrastRatio(Qt::white, ground) >= contrastRatio(Qt::black, ground)
                       ? QColor(Qt::white)
                       : QColor(Qt::black);
        QPainter painter(this);
        painter.setPen(edge);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus())
        drawFocusOutline(this, base);
}
