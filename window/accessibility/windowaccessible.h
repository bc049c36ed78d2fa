#pragma once

#include <QAccessibleWidget>

class Announcer;

// The window as assistive technology sees it: a frame named by its caption, whose children are
// its controls and, last, the announcer of results.
class WindowAccessible : public QAccessibleWidget
{
public:
    WindowAccessible(QWidget *window, Announcer *announcer);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    Announcer *m_announcer;
};
