#pragma once

#include "platform/runtimeerror.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class Announcer;
class ClickLineEdit;
class QAccessibleInterface;
class QLabel;
class QPushButton;
namespace form {
struct Control;
}
namespace solver {
struct CoefficientTexts;
struct Result;
} // namespace solver

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
    ~frmTarnyxEquations() override;

    void setErrorReporter(ErrorReporter reporter);
    // The accessible interfaces of this window (a frame with the announcer among its children)
    // and of its text boxes.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);
    static void showErrorBox(QWidget *window, const QString &message);

protected:
    bool event(QEvent *event) override;

private:
    // The six coefficient texts, in the order a1, b1, c1, a2, b2, c2.
    using CoefficientTexts = std::array<QString, 6>;

    // What a result box shows: computed from which coefficient texts, and whether the latest
    // computation of it succeeded.
    struct ResultState
    {
        CoefficientTexts from;
        bool failed = false;
    };

    void buildControls();
    void loadPictures();
    void applyColours();
    void connectHandlers();
    void updateStale();

    void cmdCalc_Click();
    void Command1_Click();
    void solveY();
    void solveX();
    // Computes one result from the boxes' texts and shows it; a failure is recorded and raised.
    void compute(ClickLineEdit *box, ResultState &state,
                 solver::Result (*solve)(const solver::CoefficientTexts &));
    CoefficientTexts coefficientTexts() const;

    // Runs a handler and reports what it raised, so no exception reaches the event loop.
    void dispatch(void (frmTarnyxEquations::*handler)()) noexcept;

    ClickLineEdit *m_txt1X = nullptr;
    ClickLineEdit *m_txt1Y = nullptr;
    ClickLineEdit *m_txtAns1 = nullptr;
    ClickLineEdit *m_txt2X = nullptr;
    ClickLineEdit *m_txt2Y = nullptr;
    ClickLineEdit *m_txtAns2 = nullptr;
    ClickLineEdit *m_txtRes = nullptr;
    ClickLineEdit *m_txtRes2 = nullptr;
    QPushButton *m_cmdCalc = nullptr;
    QPushButton *m_Command1 = nullptr;
    QLabel *m_Image3 = nullptr;
    // The labels whose colours the table sets, with their table rows.
    std::vector<std::pair<const form::Control *, QLabel *>> m_colouredLabels;

    ResultState m_yState;
    ResultState m_xState;
    // What the failure message adds: which results were computed and what the boxes keep.
    QString m_failureContext;
    // The results a handler wrote ("Y = 2"), spoken together when it ends without a failure.
    QStringList m_written;
    Announcer *m_announcer = nullptr; // owned by the accessibility cache, under m_announcerId
    unsigned m_announcerId = 0;
    ErrorReporter m_reporter = &frmTarnyxEquations::showErrorBox;
};
