#pragma once

#include "platform/runtimeerror.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class ClickLineEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The program's one window: the two equations, their six coefficient boxes, the X and Y result
// boxes, Calculate and Exit. Its four handlers are Calculate (Y, then X), Exit, and a click in
// either result box, which recomputes that result alone.
class frmTarnyxEquations : public QWidget
{
    Q_OBJECT
public:
    // Shows the user why a computation failed. The default one opens a modal warning box.
    using ErrorReporter = std::function<void(QWidget *window, const QString &message)>;

    explicit frmTarnyxEquations(QWidget *parent = nullptr);

    void setErrorReporter(ErrorReporter reporter);
    static void showErrorBox(QWidget *window, const QString &message);

protected:
    bool event(QEvent *event) override;

private:
    void buildControls();
    void loadPictures();
    void applyColours();
    void connectHandlers();
    void showResult(ClickLineEdit *box, const std::string &text);

    void cmdCalc_Click();
    void Command1_Click();
    void solveY();
    void solveX();
    // The six coefficient boxes' texts, in the order a1, b1, c1, a2, b2, c2.
    std::array<std::string, 6> coefficientTexts() const;

    // Runs a handler and reports what it raised, so no exception reaches the event loop.
    void dispatch(void (frmTarnyxEquations::*handler)()) noexcept;

    QLineEdit *m_txt1X = nullptr;
    QLineEdit *m_txt1Y = nullptr;
    QLineEdit *m_txtAns1 = nullptr;
    QLineEdit *m_txt2X = nullptr;
    QLineEdit *m_txt2Y = nullptr;
    QLineEdit *m_txtAns2 = nullptr;
    ClickLineEdit *m_txtRes = nullptr;
    ClickLineEdit *m_txtRes2 = nullptr;
    QPushButton *m_cmdCalc = nullptr;
    QPushButton *m_Command1 = nullptr;
    ErrorReporter m_reporter = &frmTarnyxEquations::showErrorBox;
};
