#pragma once

#include <QLineEdit>

// The window's text box. Besides editing, it
// - reports a click: a left mouse button pressed and released inside it (the press still places
//   the caret, so the box stays editable);
// - shows its text from the first character whenever it does not have the focus, and Tab into
//   it selects the whole text, shown from its start;
// - has a note (tooltip and accessible description): what the window says of its value, then
//   the whole text when it does not fit;
// - as a result box, draws a result too wide for it rounded to fit while it has no focus, and a
//   result from earlier equations ("stale") in dimmed italics;
// - shows its focus and its edge in any colour scheme.
class ClickLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit ClickLineEdit(QWidget *parent = nullptr);

    // Whether the whole text fits in the box, without scrolling.
    bool textFits() const;
    bool fits(const QString &text) const;

    // A result box rounds the results it shows to fit.
    void setShowsResults(bool showsResults) { m_showsResults = showsResults; }

    // Writes a computed result, shown from its first character.
    void showResult(const QString &text);
    // Whether the text is a result (not typed by the user since).
    bool holdsResult() const { return m_holdsResult; }

    void setStale(bool stale);
    bool isStale() const { return m_stale; }

    // What the box is for, and what is known of its value; both go into its note.
    void setDescription(const QString &description);
    void setValueNote(const QString &note);

    // The text as drawn while the box has no focus: a result too wide is rounded to fit.
    QString displayedText() const;

    // Takes the colours of the palette afresh (after the user's colour scheme changed).
    void updateColours();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textArea() const;
    void updateNote();

    bool m_pressed = false;
    bool m_showsResults = false;
    bool m_holdsResult = false;
    bool m_typing = false; // the text changes by the user's typing
    bool m_stale = false;
    QString m_description;
    QString m_valueNote;
};
