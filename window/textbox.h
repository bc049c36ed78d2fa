#pragma once

#include <QLineEdit>

// The window's plain text box. Besides editing, it
// - reports a click: a left mouse button pressed and released inside it (the press still places
//   the caret, so the box stays editable);
// - shows its text from the first character whenever it does not have the focus, and Tab into
//   it selects the whole text, shown from its start;
// - has a note (tooltip and accessible description): what the box is for and what is known of
//   its value, and in the tooltip, on lines of their own, that and the text itself, labelled,
//   when it does not fit (its first few hundred characters);
// - shows its focus and its edge in any colour scheme.
// ResultBox and CoefficientBox add what their kind of box says of its value.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // Whether the whole text fits in the box, without scrolling.
    bool textFits() const;
    bool fits(const QString &text) const;

    // What the box is for; it goes into the note.
    void setDescription(const QString &description);
    // The tooltip's first line, always shown: the box's name and where it stands.
    void setTipTitle(const QString &title);

signals:
    void clicked();

protected:
    // What is known of the value, for the note, a sentence a line; nothing here.
    virtual QStringList valueNote() const { return {}; }
    // What the box is for, as the note says it; the description set here.
    virtual QString description() const { return m_description; }
    // The tooltip's line that gives the whole text; here, that it was typed.
    virtual QString textLine(const QString &text) const;
    // The text as drawn; the text itself here.
    virtual QString shownText() const { return displayText(); }
    // Whether the tooltip gives the text too; here when it does not fit.
    virtual bool tipShowsText() const { return !textFits(); }
    // Draws over the text, under the edge and the focus outline; nothing here.
    virtual void paintOverText(QPainter &painter);
    // The mark of a value not read as typed: a dotted line under the text as drawn, and a dotted
    // frame.
    void drawReadMark(QPainter &painter) const;
    // Builds the note again (after valueNote changed).
    void updateNote();
    QRect textArea() const;

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
    bool m_typing = false; // the text changes by the user's typing
    QString m_description;
    QString m_tipTitle;
};
