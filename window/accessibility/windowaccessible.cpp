#include "windowaccessible.h"

#include "announcer.h"

WindowAccessible::WindowAccessible(QWidget *window, Announcer *announcer)
    : QAccessibleWidget(window, QAccessible::Window), m_announcer(announcer)
{}

int WindowAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + 1;
}

QAccessibleInterface *WindowAccessible::child(int index) const
{
    if (index == QAccessibleWidget::childCount())
        return m_announcer;
    return QAccessibleWidget::child(index);
}

int WindowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child == m_announcer)
        return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}
