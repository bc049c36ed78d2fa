#include "focusoutline.h"

#include "vbcolour.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

#include <algorithm>

QColor groundColour(const QWidget *control)
{
    const QWidget *ground = control->parentWidget() ? control->parentWidget() : control;
    return ground->palette().color(QPalette::Window);
}

QColor focusColour(const QWidget *control, const QColor &inside)
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
    painter.setPen(QPen(focusColour(control, inside), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(control->rect()).adjusted(1, 1, -1, -1));
}
