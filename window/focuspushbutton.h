#pragma once

#include <QPushButton>

// A push button whose keyboard focus shows as an outline that stands out in any colour scheme.
class FocusPushButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
