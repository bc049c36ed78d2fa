#pragma once

#include "solver/solver.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class Announcer;
class CoefficientBox;
class WorkingWindow;
class QLabel;
class QPushButton;
class ResultBox;
namespace form {
struct Control;
}

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
    static void showErrorBox(QWidget *window, const QString &message);

    // What speaks the results (window/accessibility/announcer.h); none once the window is
    // being torn down.
    const Announcer *announcer() const { return m_announcer.get(); }

    // The working of the equations as they stand, in its own window (F1, or "Show the working"
    // in a result box's menu), made on first use; and their answer as one line on the clipboard
    // (Ctrl+Shift+C).
    void showWorking();
    void copyAnswer();

protected:
    bool event(QEvent *event) override;

private:
    // What each coefficient was read as: its value in lowest terms, or, beyond the exact
    // part's bounds, its text.
    using ValuesRead = std::array<std::variant<solver::Number, std::string>, 6>;

    // One unknown: its name, how the analysis gives it, its box, and what the coefficients were
    // read as when the box's result was computed.
    struct Unknown
    {
        QString name;
        solver::Result (solver::Analysis::*solve)() const;
        ResultBox *box = nullptr;
        ValuesRead from;
    };

    // What a handler did: the results it wrote ("Y = 2"), the coefficients it did not read as
    // typed ("a1 read as 1"), and why it stopped, if it failed (the message, with what the
    // boxes keep).
    struct Outcome
    {
        QStringList written;
        QStringList misread;
        std::optional<QString> failure;
    };

    void loadPictures();
    void applyColours();
    void connectHandlers();
    void updateStale();
    // The working's text for the equations as they stand, while its window is shown.
    void updateWorking();

    Outcome cmdCalc_Click();
    Outcome Command1_Click();
    Outcome solveY();
    Outcome solveX();
    // Every computing handler's one path: the six texts read once, one analysis of them, and
    // each unknown in turn computed and shown, until one fails.
    Outcome solve(std::initializer_list<Unknown *> unknowns);
    solver::CoefficientTexts usedCoefficientTexts();
    solver::CoefficientTexts coefficientTexts() const;
    static ValuesRead valuesRead(const solver::CoefficientTexts &texts);
    // The coefficients not read as typed, each with its value, as of the last read-back.
    std::vector<std::pair<QString, QString>> misreadCoefficients() const;

    // Runs a handler, then speaks what it wrote or reports why it failed; no exception gets
    // past it to the event loop.
    void dispatch(Outcome (frmTarnyxEquations::*handler)()) noexcept;

    std::array<CoefficientBox *, 6> coefficientBoxes() const;

    CoefficientBox *m_txt1X = nullptr;
    CoefficientBox *m_txt1Y = nullptr;
    CoefficientBox *m_txtAns1 = nullptr;
    CoefficientBox *m_txt2X = nullptr;
    CoefficientBox *m_txt2Y = nullptr;
    CoefficientBox *m_txtAns2 = nullptr;
    ResultBox *m_txtRes = nullptr;
    ResultBox *m_txtRes2 = nullptr;
    QPushButton *m_cmdCalc = nullptr;
    QPushButton *m_Command1 = nullptr;
    QLabel *m_Image3 = nullptr;
    // The labels whose colours the table sets, with their table rows.
    std::vector<std::pair<const form::Control *, QLabel *>> m_colouredLabels;

    Unknown m_y;
    Unknown m_x;
    std::unique_ptr<Announcer> m_announcer;
    WorkingWindow *m_working = nullptr; // a child window of this one, made on first use
    ErrorReporter m_reporter = &frmTarnyxEquations::showErrorBox;
};
