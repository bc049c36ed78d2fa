#pragma once

#include <QLineEdit>

// A text box that also reports a click: a left mouse button pressed and released inside it.
// The press still places the caret, so the box stays editable.
class ClickLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Whether the whole text fits in the box, without scrolling.
    bool textFits() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
