#include "vbcolour.h"

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

} // namespace

QColor resolveColour(std::uint32_t value, const QPalette &system)
{
    if (value & systemFlag)
        return system.color(QPalette::Active, systemRole(value & 0xFF));
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
