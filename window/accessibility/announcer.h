#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;

// Speaks a short text through the screen reader without moving the focus: an accessible object
// of the window (not a widget: the window shows nothing more) with the notification role, which
// a screen reader speaks when it becomes showing. It hides again, and forgets the text, a few
// seconds later or before the next announcement, so nothing stale is read later.
class Announcer : public QAccessibleInterface
{
public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    void hide();

    QPointer<QWidget> m_window;
    QString m_text;
    bool m_showing = false;
    QTimer m_hideTimer;
};
