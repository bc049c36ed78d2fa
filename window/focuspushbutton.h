#pragma once

#include <QPushButton>

// A push button whose keyboard focus shows as an outline that stands out in any colour scheme,
// and that Enter presses while it has the focus, as Space does. (Not by auto-default, which
// changes the button's frame in some styles; neither button is the window's default.)
class FocusPushButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
