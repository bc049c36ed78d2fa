#include "windowaccessible.h"

#include "announcer.h"

#include "window/frmtarnyxequations.h"

WindowAccessible::WindowAccessible(frmTarnyxEquations *window)
    : QAccessibleWidget(window, QAccessible::Window)
{}

// The object that speaks the window's results, if the announcer has one and the window is whole:
// the cast fails once the window's destructor has run, and the window drops its announcer first.
QAccessibleInterface *WindowAccessible::announcer() const
{
    const auto *window = qobject_cast<const frmTarnyxEquations *>(object());
    const Announcer *announcer = window ? window->announcer() : nullptr;
    return announcer ? announcer->interface() : nullptr;
}

int WindowAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + (announcer() ? 1 : 0);
}

QAccessibleInterface *WindowAccessible::child(int index) const
{
    if (index == QAccessibleWidget::childCount())
        return announcer();
    return QAccessibleWidget::child(index);
}

int WindowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child && child == announcer())
        return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}
