#include "colours.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t systemFlag = 0x80000000;

QPalette::ColorRole systemRole(std::uint32_t index)
{
    switch (index) {
    case 7: // menu text
        return QPalette::WindowText;
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 18: // button text
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

// WCAG 2 relative luminance: the sRGB channels made linear, weighted by the eye's sensitivity.
double relativeLuminance(const QColor &c)
{
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

QColor resolveColour(std::uint32_t value, const QPalette &system)
{
    if (value & systemFlag)
        return system.color(QPalette::Active, systemRole(value & 0xFF));
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QColor standardColour(std::uint32_t value)
{
    QPalette standard;
    standard.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    standard.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
    standard.setColor(QPalette::Active, QPalette::ButtonText, Qt::black);
    return resolveColour(value, standard);
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor groundColour(const QWidget *control)
{
    const QWidget *ground = control->parentWidget() ? control->parentWidget() : control;
    return ground->palette().color(QPalette::Window);
}

QColor standOutColour(const QWidget *control, const QColor &inside)
{
    constexpr double minimumContrast = 3.0;
    const QColor outside = groundColour(control);
    // The scheme's own highlight first; then colours of which one stands out from any pair of a
    // ground and an inside: a mid blue and grey against both black and white, yellow and white
    // against dark ones, black against light ones.
    const QColor candidates[] = {control->palette().color(QPalette::Highlight),
                                 QColor(0x30, 0x8C, 0xC6),
                                 QColor(0x76, 0x76, 0x76),
                                 QColor(Qt::yellow),
                                 QColor(Qt::white),
                                 QColor(Qt::black)};
    QColor best = candidates[0];
    double bestContrast = 0.0;
    for (const QColor &c : candidates) {
        const double contrast = std::min(contrastRatio(c, outside), contrastRatio(c, inside));
        if (contrast >= minimumContrast)
            return c;
        if (contrast > bestContrast) {
            best = c;
            bestContrast = contrast;
        }
    }
    return best;
}

void drawFocusOutline(QWidget *control, const QColor &inside)
{
    QPainter painter(control);
    painter.setPen(QPen(standOutColour(control, inside), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(control->rect()).adjusted(1, 1, -1, -1));
}

QColor dimmedColour(const QColor &text, const QColor &base)
{
    const double wanted = std::min(4.5, contrastRatio(text, base));
    for (int step = 12; step > 0; --step) {
        const double t = step / 20.0;
        const QColor c = QColor::fromRgbF(text.redF() + (base.redF() - text.redF()) * t,
                                          text.greenF() + (base.greenF() - text.greenF()) * t,
                                          text.blueF() + (base.blueF() - text.blueF()) * t);
        if (contrastRatio(c, base) >= wanted)
            return c;
    }
    return text;
}

QColor markColour(const QWidget *box)
{
    constexpr double minimumContrast = 3.0;
    const QColor inside = box->palette().color(QPalette::Base);
    // The scheme's link colour says "look here" in most schemes; where it does not stand out,
    // the box's own text colour, then black or white, whichever stands out more.
    for (const QColor &c :
         {box->palette().color(QPalette::Link), box->palette().color(QPalette::Text)}) {
        if (contrastRatio(c, inside) >= minimumContrast)
            return c;
    }
    return contrastRatio(Qt::white, inside) >= contrastRatio(Qt::black, inside) ? QColor(Qt::white)
                                                                                : QColor(Qt::black);
}
