#pragma once

#include <QAccessibleWidget>

class frmTarnyxEquations;

// The window as assistive technology sees it: a frame named by its caption, whose children are
// its controls and, last, the announcer of results. The announcer is looked up each time it is
// asked for, so a screen reader asking while the window is torn down finds none.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(frmTarnyxEquations *window);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QAccessibleInterface *announcer() const;
};
