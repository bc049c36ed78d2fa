#include "resultbox.h"

#include "colours.h"
#include "roundedtext.h"
#include "wording.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <memory>

ResultBox::ResultBox(QWidget *parent) : TextBox(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        m_holdsResult = false;
        m_marked = false;
        m_valueNote.clear(); // it spoke of the result, which is gone
        m_fraction.clear();
        updateNote();
        updateColours();
    });
}

void ResultBox::setUnknown(const QString &unknown, const QString &calculateKey)
{
    m_unknown = unknown;
    m_calculateKey = calculateKey;
}

void ResultBox::showResult(const platform::Decimal &value, const QString &text,
                           const QStringList &note, const QString &fraction, bool marked)
{
    m_value = value;
    m_holdsResult = true;
    m_marked = marked;
    m_valueNote = note;
    m_fraction = fraction;
    setText(text);
    setCursorPosition(0);
    updateNote();
    updateColours();
}

bool ResultBox::drawsFraction() const
{
    return m_holdsResult && !m_fraction.isEmpty() && !fits(text()) && fits(m_fraction);
}

QString ResultBox::shownText() const
{
    if (hasFocus() || !m_holdsResult || fits(text()))
        return displayText();
    if (drawsFraction())
        return m_fraction;
    return roundedToFit(m_value, text(), [this](const QString &t) { return fits(t); });
}

void ResultBox::setStale(bool stale)
{
    if (stale == m_stale)
        return;
    m_stale = stale;
    QFont f = font();
    f.setItalic(stale);
    f.setStrikeOut(stale); // told at a glance from a typed text, which is dimmed alone
    setFont(f);
    updateColours();
    updateNote();
}

// A stale result, and a typed text while the box does not have the focus, are drawn dimmed.
void ResultBox::updateColours()
{
    if (!m_stale && !(typed() && !hasFocus())) {
        setPalette(QPalette()); // every colour from the window again
        return;
    }
    const QPalette inherited = parentWidget() ? parentWidget()->palette() : QPalette();
    QPalette own = inherited;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        own.setColor(group, QPalette::Text,
                     dimmedColour(inherited.color(group, QPalette::Text),
                                  inherited.color(group, QPalette::Base)));
    setPalette(own);
}

QStringList ResultBox::valueNote() const
{
    if (m_stale)
        return {Wording::staleNote()};
    if (typed())
        return {Wording::typedResultNote(m_unknown, m_calculateKey)};
    if (drawsFraction())
        return m_valueNote + QStringList{Wording::drawnExactly(m_fraction)};
    return m_valueNote;
}

// A marked result carries the mark of the misread coefficient it came from.
void ResultBox::paintOverText(QPainter &painter)
{
    if (m_marked && m_holdsResult && !m_stale)
        drawReadMark(painter);
}

// A typed text is described as typed, not as what the box is for.
QString ResultBox::description() const
{
    return typed() ? QString() : TextBox::description();
}

QString ResultBox::textLine(const QString &text) const
{
    return m_holdsResult ? Wording::resultLine(text) : TextBox::textLine(text);
}

// With a note, the tooltip also gives the value, every digit, on a line of its own.
bool ResultBox::tipShowsText() const
{
    return TextBox::tipShowsText() || (!valueNote().isEmpty() && !text().isEmpty());
}

// The edit menu, and the working below it.
void ResultBox::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    menu->addSeparator();
    QAction *working = menu->addAction(Wording::showWorking());
    working->setObjectName(QStringLiteral("showWorking"));
    connect(working, &QAction::triggered, this, &ResultBox::workingRequested);
    menu->exec(event->globalPos());
}

void ResultBox::focusInEvent(QFocusEvent *event)
{
    TextBox::focusInEvent(event);
    updateColours();
}

void ResultBox::focusOutEvent(QFocusEvent *event)
{
    TextBox::focusOutEvent(event);
    updateColours();
}
