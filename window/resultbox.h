#pragma once

#include "textbox.h"

#include "platform/conversions.h"

// A box that shows a computed result. Besides a plain box's jobs it
// - draws a result too wide for it rounded to fit, its sign and exponent always in sight, with
//   the focus too (the text itself, every digit, is what Ctrl+A and Ctrl+C copy);
// - draws a result from earlier equations ("stale") in dimmed italics, and says so in its note;
// - carries what the window knows of the result's value in its note.
// Text the user types (or edits through a screen reader) is no longer a result.
class ResultBox : public TextBox
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);

    // Writes a computed result (its value and its text), shown from its first character, and
    // what is known of it.
    void showResult(const platform::Decimal &value, const QString &text, const QString &note);
    // Whether the text is a result (not typed by the user since).
    bool holdsResult() const { return m_holdsResult; }

    void setStale(bool stale);

    // The text as drawn: a result too wide is rounded to fit.
    QString shownText() const override;

    // Takes the colours of the palette afresh (after the user's colour scheme changed).
    void updateColours();

protected:
    QString valueNote() const override;
    bool tipShowsText() const override;

private:
    bool m_holdsResult = false;
    bool m_stale = false;
    platform::Decimal m_value;
    QString m_valueNote;
};
