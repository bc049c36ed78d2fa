#pragma once

#include "textbox.h"

#include "platform/conversions.h"

// A box that shows a computed result. Besides a plain box's jobs it
// - draws a result too wide for it as its exact fraction where that fits ("-13/36"), else rounded
//   to fit, its sign and exponent always in sight, with the focus too (the text itself, every
//   digit, is what Ctrl+A and Ctrl+C copy and what a screen reader reads);
// - draws a result from earlier equations ("stale") in dimmed italics, and says so in its note;
// - carries what the window knows of the result's value in its note.
// Text the user types (or edits through a screen reader) is no longer a result: without the
// focus it is drawn dimmed, and the note says it was typed, not computed.
class ResultBox : public TextBox
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);

    // The unknown the box shows ("Y") and the Calculate button's access key ("Alt+A"), for what
    // it says of a typed text.
    void setUnknown(const QString &unknown, const QString &calculateKey);

    // Writes a computed result (its value and its text), shown from its first character, what is
    // known of it (a sentence a line) and its exact value as a fraction, where it is one.
    void showResult(const platform::Decimal &value, const QString &text, const QStringList &note,
                    const QString &fraction);
    // Whether the text is a result (not typed by the user since).
    bool holdsResult() const { return m_holdsResult; }

    void setStale(bool stale);

    // The text as drawn: a result too wide is its fraction or rounded to fit.
    QString shownText() const override;

    // Takes the colours of the palette afresh (after the user's colour scheme changed).
    void updateColours();

protected:
    QStringList valueNote() const override;
    QString description() const override;
    QString textLine(const QString &text) const override;
    bool tipShowsText() const override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Whether the box holds a text the user typed, not a result.
    bool typed() const { return !m_holdsResult && !text().isEmpty(); }

    bool m_holdsResult = false;
    bool m_stale = false;
    platform::Decimal m_value;
    QStringList m_valueNote;
    QString m_fraction;
    QString m_unknown;
    QString m_calculateKey;
};
