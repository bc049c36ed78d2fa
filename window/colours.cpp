#include "vbcolour.h"

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
