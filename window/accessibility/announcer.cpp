#include "announcer.h"

#include <QAccessibleInterface>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

#include <QAccessibleAnnouncementEvent>

Announcer::Announcer(QWidget *window) : m_window(window) {}

Announcer::~Announcer() = default;

void Announcer::announce(const QString &text)
{
    QAccessibleAnnouncementEvent event(m_window, text);
    QAccessible::updateAccessibility(&event);
}

#else

namespace {

// An accessible object of the window (not a widget: the window shows nothing more) with the
// notification role. It hides again, and forgets the text, a few seconds later or before the
// next announcement, so nothing stale is read later.
class Notification : public QAccessibleInterface
{
public:
    explicit Notification(QWidget *window) : m_window(window)
    {
        m_hideTimer.setSingleShot(true);
        m_hideTimer.setInterval(3000);
        QObject::connect(&m_hideTimer, &QTimer::timeout, [this] { hide(); });
    }

    void show(const QString &text)
    {
        hide();
        m_text = text;
        m_showing = true;
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
        m_hideTimer.start();
    }

    bool isValid() const override { return !m_window.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_window ? m_window->windowHandle() : nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_window ? QAccessible::queryAccessibleInterface(m_window) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_text : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        return m_window ? QRect(m_window->mapToGlobal(QPoint(0, 0)), QSize(1, 1)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !m_showing;
        s.offscreen = !m_showing;
        return s;
    }

private:
    void hide()
    {
        m_hideTimer.stop();
        if (!m_showing)
            return;
        m_showing = false;
        QAccessibleEvent hidden(this, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
        m_text.clear();
    }

    QPointer<QWidget> m_window;
    QString m_text;
    bool m_showing = false;
    QTimer m_hideTimer;
};

} // namespace

// The accessibility cache owns the object; it is looked up by its id whenever it is used.
Announcer::Announcer(QWidget *window)
    : m_window(window),
      m_notification(QAccessible::registerAccessibleInterface(new Notification(window)))
{}

Announcer::~Announcer()
{
    QAccessible::deleteAccessibleInterface(m_notification);
}

void Announcer::announce(const QString &text)
{
    if (auto *notification = static_cast<Notification *>(interface()))
        notification->show(text);
}

#endif

QAccessibleInterface *Announcer::interface() const
{
    return m_notification ? QAccessible::accessibleInterface(m_notification) : nullptr;
}
