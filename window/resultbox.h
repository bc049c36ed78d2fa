#pragma once

#include "textbox.h"

#include "platform/conversions.h"

// A box that shows a computed result. Besides a plain box's jobs it
// - draws a result too wide for it, while it does not have the focus, as its exact fraction where
//   that fits ("-13/36"), else rounded to fit, its sign and exponent always in sight; with the
//   focus it draws what it holds, the text that Ctrl+A and Ctrl+C copy and a screen reader reads;
// - marks a result computed from a coefficient not read as typed with a dotted line under it;
// - draws a result from earlier equations ("stale") dimmed, in italics and struck through, and
//   says so in its note;
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
    // known of it (a sentence a line), its exact value as a fraction, where it is one, and
    // whether a coefficient it came from was not read as typed (marked).
    void showResult(const platform::Decimal &value, const QString &text, const QStringList &note,
                    const QString &fraction, bool marked);
    // Whether the text is a result (not typed by the user since).
    bool holdsResult() const { return m_holdsResult; }
    // Whether the result came from a coefficient not read as typed.
    bool marked() const { return m_marked; }

    void setStale(bool stale);

    // The text as drawn: a result too wide is its fraction or rounded to fit.
    QString shownText() const override;

    // Takes the colours of the palette afresh (after the user's colour scheme changed).
    void updateColours();

signals:
    // "Show the working" was chosen in the box's menu.
    void workingRequested();

protected:
    QStringList valueNote() const override;
    QString description() const override;
    QString textLine(const QString &text) const override;
    bool tipShowsText() const override;
    void paintOverText(QPainter &painter) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Whether the box holds a text the user typed, not a result.
    bool typed() const { return !m_holdsResult && !text().isEmpty(); }
    // Whether, without the focus, the box draws the exact fraction instead of its text.
    bool drawsFraction() const;

    bool m_holdsResult = false;
    bool m_stale = false;
    bool m_marked = false;
    platform::Decimal m_value;
    QStringList m_valueNote;
    QString m_fraction;
    QString m_unknown;
    QString m_calculateKey;
};
