#include "coefficientbox.h"

#include "colours.h"
#include "roundedtext.h"
#include "wording.h"

#include "solver/exact.h"

namespace {

// What stands before the value read in a box that shows it.
const QString readMark = QStringLiteral("\u2192");

} // namespace

CoefficientBox::CoefficientBox(QWidget *parent) : TextBox(parent)
{
    // While the text changes under the user's hands, the last read-back no longer speaks of it;
    // a text set from elsewhere is read back at once.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (hasFocus())
            m_reading.reset();
        else
            readTextBack();
        updateNote();
        update();
    });
}

std::optional<CoefficientBox::Reading> CoefficientBox::reading(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const platform::ScannedNumber number = platform::scanNumber(
        std::string_view(utf8.constData(), std::size_t(utf8.size())), Wording::groupSeparator());
    if (number.readAsTyped(Wording::commaMark()))
        return std::nullopt;
    const QString rest = QString::fromUtf8(utf8.constData() + number.restBegin,
                                           qsizetype(number.restEnd - number.restBegin));
    const std::optional<solver::Number> value = solver::exact::scannedValue(number);
    Reading read;
    read.value = Wording::valueRead(number, value);
    read.sentence = Wording::readBack(number, read.value, rest);
    if (value && !value->denominator)
        read.decimal = value->value;
    return read;
}

void CoefficientBox::readTextBack()
{
    m_reading = reading(text());
    updateNote();
    update();
}

QStringList CoefficientBox::valueNote() const
{
    return m_reading ? QStringList{m_reading->sentence} : QStringList();
}

// Without the focus, a text not read as typed shows the value read, rounded to fit where it
// must be; with the focus, the text as typed, to be edited.
QString CoefficientBox::shownText() const
{
    if (hasFocus() || !m_reading)
        return displayText();
    const auto marked = [this](const QString &value) { return fits(readMark + value); };
    if (m_reading->decimal)
        return readMark + roundedToFit(*m_reading->decimal, m_reading->value, marked);
    return fontMetrics().elidedText(readMark + m_reading->value, Qt::ElideRight,
                                    textArea().width());
}

void CoefficientBox::focusInEvent(QFocusEvent *event)
{
    TextBox::focusInEvent(event);
    update();
}

void CoefficientBox::focusOutEvent(QFocusEvent *event)
{
    TextBox::focusOutEvent(event);
    readTextBack();
}

void CoefficientBox::paintOverText(QPainter &painter)
{
    if (m_reading)
        drawReadMark(painter);
}
