#pragma once

#include "textbox.h"

#include "platform/conversions.h"

#include <optional>

// A box for one coefficient. Besides a plain box's jobs it tells the user how its text was read
// when that was not as typed (text left over, a comma taken as the decimal mark, blanks inside
// the number but between groups of digits): once its text is used (a calculation) or it loses
// the focus, the box shows, while it does not have the focus, the value read after an arrow
// ("→1" for "1,000"), underlined with a dotted line, and its note says what was read and why
// ("Read as 1. A comma is a decimal mark here."). The reading itself is platform::scanNumber's
// and the solver's; this only tells it.
class CoefficientBox : public TextBox
{
    Q_OBJECT
public:
    explicit CoefficientBox(QWidget *parent = nullptr);

    // How a text was read, when that was not as typed: the value read, every digit of it, and
    // the sentence that says so.
    struct Reading
    {
        QString value;
        QString sentence;
        std::optional<platform::Decimal> decimal; // the value, where it is no fraction
    };
    static std::optional<Reading> reading(const QString &text);

    // Reads the text back: says how it was read, where that was not as typed.
    void readTextBack();
    // The value read where the text was not read as typed (as of the last read-back); empty
    // otherwise.
    QString misreadValue() const { return m_reading ? m_reading->value : QString(); }

    // The text as drawn: without the focus, the value read where it was not read as typed.
    QString shownText() const override;

protected:
    QStringList valueNote() const override;
    void paintOverText(QPainter &painter) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    std::optional<Reading> m_reading;
};
