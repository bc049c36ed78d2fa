#include "resultbox.h"

#include "colours.h"
#include "roundedtext.h"
#include "wording.h"

ResultBox::ResultBox(QWidget *parent) : TextBox(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        m_holdsResult = false;
        m_valueNote.clear(); // it spoke of the result, which is gone
    });
}

void ResultBox::showResult(const platform::Decimal &value, const QString &text, const QString &note)
{
    m_value = value;
    setText(text);
    setCursorPosition(0);
    m_holdsResult = true;
    m_valueNote = note;
    updateNote();
}

QString ResultBox::shownText() const
{
    if (!m_holdsResult)
        return displayText();
    return roundedToFit(m_value, text(), [this](const QString &t) { return fits(t); });
}

void ResultBox::setStale(bool stale)
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

void ResultBox::updateColours()
{
    if (!m_stale) {
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

QString ResultBox::valueNote() const
{
    return m_stale ? Wording::staleNote() : m_valueNote;
}

// With a note, the tooltip also gives the value, every digit, on a line of its own.
bool ResultBox::tipShowsText() const
{
    return TextBox::tipShowsText() || (!valueNote().isEmpty() && !text().isEmpty());
}
