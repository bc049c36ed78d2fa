#include "resultbox.h"

#include "colours.h"
#include "roundedtext.h"

ResultBox::ResultBox(QWidget *parent) : TextBox(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        m_holdsResult = false;
        m_valueNote.clear(); // it spoke of the result, which is gone
    });
}

void ResultBox::showResult(const QString &text, const QString &note)
{
    setText(text);
    setCursorPosition(0);
    m_holdsResult = true;
    m_valueNote = note;
    updateNote();
}

QString ResultBox::shownText() const
{
    if (!m_holdsResult || hasFocus())
        return displayText();
    return roundedToFit(text(), [this](const QString &t) { return fits(t); });
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
    return m_stale ? QStringLiteral("From earlier equations.") : m_valueNote;
}
