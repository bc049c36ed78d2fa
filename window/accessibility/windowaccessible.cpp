#include "windowaccessible.h"

#include "window/frmtarnyxequations.h"

WindowAccessible::WindowAccessible(frmTarnyxEquations *window)
    : QAccessibleWidget(window, QAccessible::Window)
{}

// The window's announcer while the window is whole: the cast fails once its destructor has run.
QAccessibleInterface *WindowAccessible::announcer() const
{
    const auto *window = qobject_cast<const frmTarnyxEquations *>(object());
    return window ? QAccessible::accessibleInterface(window->announcerId()) : nullptr;
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
