#include "announcer.h"

#include <QAccessible>
#include <QWidget>

Announcer::Announcer(QWidget *window) : m_window(window)
{
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(3000);
    QObject::connect(&m_hideTimer, &QTimer::timeout, [this] { hide(); });
}

void Announcer::announce(const QString &text)
{
    hide();
    m_text = text;
    m_showing = true;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    m_hideTimer.start();
}

void Announcer::hide()
{
    m_hideTimer.stop();
    if (!m_showing)
        return;
    m_showing = false;
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    m_text.clear();
}

bool Announcer::isValid() const
{
    return !m_window.isNull();
}

QObject *Announcer::object() const
{
    return nullptr;
}

QWindow *Announcer::window() const
{
    return m_window ? m_window->windowHandle() : nullptr;
}

QAccessibleInterface *Announcer::focusChild() const
{
    return nullptr;
}

QAccessibleInterface *Announcer::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *Announcer::parent() const
{
    return m_window ? QAccessible::queryAccessibleInterface(m_window) : nullptr;
}

QAccessibleInterface *Announcer::child(int) const
{
    return nullptr;
}

int Announcer::childCount() const
{
    return 0;
}

int Announcer::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QString Announcer::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_text : QString();
}

void Announcer::setText(QAccessible::Text, const QString &) {}

QRect Announcer::rect() const
{
    if (!m_window)
        return {};
    return QRect(m_window->mapToGlobal(QPoint(0, 0)), QSize(1, 1));
}

QAccessible::Role Announcer::role() const
{
    return QAccessible::Notification;
}

QAccessible::State Announcer::state() const
{
    QAccessible::State s;
    s.invisible = !m_showing;
    s.offscreen = !m_showing;
    return s;
}
