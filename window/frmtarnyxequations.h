#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class Announcer;
class CoefficientBox;
class QLabel;
class QPushButton;
class ResultBox;
namespace form {
struct Control;
}
namespace solver {
class Analysis;
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
    static void showErrorBox(QWidget *window, const QString &message);

    // What speaks the results (window/accessibility/announcer.h); none once the window is
    // being torn down.
    const Announcer *announcer() const { return m_announcer.get(); }

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

    // What a handler did: the results it wrote ("Y = 2"), and why it stopped, if it failed (the
    // message, with what the boxes keep).
    struct Outcome
    {
        QStringList written;
        std::optional<QString> failure;
    };

    void loadPictures();
    void applyColours();
    void connectHandlers();
    void updateStale();

    Outcome cmdCalc_Click();
    Outcome Command1_Click();
    Outcome solveY();
    Outcome solveX();
    // One unknown alone, from its own reading of the six texts (a click in its result box).
    Outcome solveOne(ResultBox *box, ResultState &state,
                     solver::Result (solver::Analysis::*unknown)() const, const QString &keeps);
    // Computes one result with `solve` and shows it; on a failure, records the message and what
    // the boxes keep, and returns false.
    bool showResult(ResultBox *box, ResultState &state, const CoefficientTexts &texts,
                    const std::function<solver::Result()> &solve, const QString &keeps,
                    Outcome &outcome);
    CoefficientTexts usedCoefficientTexts();
    CoefficientTexts coefficientTexts() const;

    // Runs a handler, then speaks what it wrote or reports why it failed; no exception gets
    // past it to the event loop.
    void dispatch(Outcome (frmTarnyxEquations::*handler)()) noexcept;

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

    ResultState m_yState;
    ResultState m_xState;
    std::unique_ptr<Announcer> m_announcer;
    ErrorReporter m_reporter = &frmTarnyxEquations::showErrorBox;
};
