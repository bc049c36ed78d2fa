#pragma once

#include <QAccessible>
#include <QString>

class QAccessibleInterface;
class QWidget;

// Speaks a short text of the window's through the screen reader without moving the focus. With
// Qt 6.8 or later it asks for an announcement, which Qt passes on as the platform's own (an
// AT-SPI announcement, a UI Automation notification); with older Qt it shows an accessible
// object of the window with the notification role, which a screen reader speaks when it appears.
class Announcer
{
public:
    explicit Announcer(QWidget *window);
    ~Announcer();
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    void announce(const QString &text);

    // The accessible object that speaks, which the window lists as its last child; none where
    // an announcement needs no object.
    QAccessibleInterface *interface() const;

private:
    QWidget *m_window;
    QAccessible::Id m_notification = 0;
};
