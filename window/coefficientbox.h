#pragma once

#include "textbox.h"

// A box for one coefficient. Besides a plain box's jobs it reads its text back to the user: once
// its text is used (a calculation) or it loses the focus, a text that was not read whole, or
// whose decimal mark was a comma, gets a dotted underline and a sentence in its note that says
// what value was read, every digit of it ("Read as 12: “x” is not part of the number.";
// "Read as 3: a comma is a decimal mark here."). Blank texts, and texts read whole with a point
// or no mark, get nothing. The reading itself is the solver's; this only tells it.
class CoefficientBox : public TextBox
{
    Q_OBJECT
public:
    explicit CoefficientBox(QWidget *parent = nullptr);

    // How the text was read, when that needs saying; empty otherwise.
    static QString readBack(const QString &text);

    // Says how the text was read, when that needs saying.
    void readTextBack();

protected:
    QString valueNote() const override { return m_readBack; }
    void paintOverText(QPainter &painter) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_readBack;
};
