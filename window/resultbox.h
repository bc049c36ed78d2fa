#pragma once

#include "textbox.h"

// A box that shows a computed result. Besides a plain box's jobs it
// - draws a result too wide for it rounded to fit while it has no focus;
// - draws a result from earlier equations ("stale") in dimmed italics, and says so in its note;
// - carries what the window knows of the result's value in its note.
// Text the user types (or edits through a screen reader) is no longer a result.
class ResultBox : public TextBox
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);

    // Writes a computed result, shown from its first character, and what is known of it.
    void showResult(const QString &text, const QString &note);
    // Whether the text is a result (not typed by the user since).
    bool holdsResult() const { return m_holdsResult; }

    void setStale(bool stale);

    // The text as drawn while the box has no focus: a result too wide is rounded to fit.
    QString shownText() const override;

    // Takes the colours of the palette afresh (after the user's colour scheme changed).
    void updateColours();

protected:
    QString valueNote() const override;

private:
    bool m_holdsResult = false;
    bool m_stale = false;
    QString m_valueNote;
};
