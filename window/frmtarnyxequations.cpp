#include "frmtarnyxequations.h"

#include "accessibility/accessibility.h"
#include "accessibility/announcer.h"
#include "coefficientbox.h"
#include "colours.h"
#include "formbuilder.h"
#include "formdefinition.h"
#include "resultbox.h"
#include "windowicon.h"
#include "wording.h"
#include "workingtext.h"
#include "workingwindow.h"

#include "solver/exact.h"
#include "solver/solver.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

frmTarnyxEquations::frmTarnyxEquations(QWidget *parent) : QWidget(parent)
{
    installAccessibility();
    m_announcer = std::make_unique<Announcer>(this);

    setObjectName(QString::fromLatin1(form::window.name));
    setWindowTitle(QString::fromLatin1(form::window.caption));
    setFixedSize(form::window.clientWidth / form::twipsPerPixel,
                 form::window.clientHeight / form::twipsPerPixel);
    setWindowIcon(QPixmap::fromImage(pngPicture(QString::fromLatin1(form::window.icons.front()))));
    setAutoFillBackground(true);

    BuiltForm built = buildForm(this);
    m_txt1X = built.coefficients[0];
    m_txt1Y = built.coefficients[1];
    m_txtAns1 = built.coefficients[2];
    m_txt2X = built.coefficients[3];
    m_txt2Y = built.coefficients[4];
    m_txtAns2 = built.coefficients[5];
    m_txtRes = built.y;
    m_txtRes2 = built.x;
    m_y = {QStringLiteral("Y"), &solver::Analysis::y, m_txtRes, {}};
    m_x = {QStringLiteral("X"), &solver::Analysis::x, m_txtRes2, {}};
    m_cmdCalc = built.calculate;
    for (Unknown *unknown : {&m_y, &m_x})
        unknown->box->setUnknown(unknown->name, accessKeyText(m_cmdCalc->text()));
    // A coefficient box's tooltip names it and where it stands.
    const auto boxes = coefficientBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setTipTitle(Wording::coefficientTip(i));
    m_cmdCalc = built.calculate;
    m_Command1 = built.exit;
    m_Image3 = built.banner;
    m_colouredLabels = std::move(built.colouredLabels);

    applyColours();
    connectHandlers();
    m_txt1X->setFocus();
    // The banner and the larger icons cost time and memory when the window is mapped; the
    // window needs neither to appear. The queued call runs as soon as
    // the event loop starts, before the window is first painted.
    QMetaObject::invokeMethod(this, &frmTarnyxEquations::loadPictures, Qt::QueuedConnection);
}

frmTarnyxEquations::~frmTarnyxEquations()
{
    // First, so that a screen reader asking while the rest is torn down finds no announcer.
    m_announcer.reset();
}

// The window icon gets its larger sizes. A picture is drawn from its double-size file on a
// screen of more than one device pixel per pixel; the file's "@2x" name tells Qt to draw it at
// the picture's own size.
void frmTarnyxEquations::loadPictures()
{
    QStringList files;
    for (const char *file : form::window.icons)
        files.append(QString::fromLatin1(file));
    setWindowIcon(uncachedIcon(files));

    const form::Control &def = bannerDefinition();
    const bool hiDpi = devicePixelRatioF() > 1.0;
    m_Image3->setPixmap(
        QPixmap::fromImage(pngPicture(QString::fromLatin1(hiDpi ? def.picture2x : def.picture))));
}

void frmTarnyxEquations::setErrorReporter(ErrorReporter reporter)
{
    m_reporter = std::move(reporter);
}

void frmTarnyxEquations::showErrorBox(QWidget *window, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(form::window.caption), message,
                    QMessageBox::Ok, window);
    // The message box gives its picture no accessible name (a screen reader would call it
    // "image"), and has no API for one: the picture is the label that shows a pixmap.
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (!label->pixmap().isNull())
            label->setAccessibleName(Wording::warningPicture());
    }
    box.exec();
}

// Sets the window's and the labels' colours. System colours are taken from the application's
// palette, so this runs again whenever that palette changes. A scheme can make a label's text
// the colour of its own background (white on white in many dark schemes); such a label takes
// the standard scheme's colours instead.
void frmTarnyxEquations::applyColours()
{
    constexpr double minimumContrast = 3.0;
    const QPalette system = QApplication::palette();
    QPalette own = palette();
    own.setColor(QPalette::Window, resolveColour(form::window.backColour, system));
    setPalette(own);
    for (const auto &[def, label] : m_colouredLabels) {
        QColor fore = resolveColour(*def->foreColour, system);
        QColor back = resolveColour(*def->backColour, system);
        if (contrastRatio(fore, back) < minimumContrast) {
            fore = standardColour(*def->foreColour);
            back = standardColour(*def->backColour);
        }
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, fore);
        colours.setColor(QPalette::Window, back);
        label->setPalette(colours);
    }
    for (Unknown *unknown : {&m_y, &m_x})
        unknown->box->updateColours();
}

// The application palette changed (the user's colour scheme): take the system colours afresh.
bool frmTarnyxEquations::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyColours();
    return handled;
}

void frmTarnyxEquations::connectHandlers()
{
    connect(m_cmdCalc, &QPushButton::clicked, this,
            [this] { dispatch(&frmTarnyxEquations::cmdCalc_Click); });
    connect(m_Command1, &QPushButton::clicked, this,
            [this] { dispatch(&frmTarnyxEquations::Command1_Click); });
    connect(m_txtRes, &TextBox::clicked, this, [this] { dispatch(&frmTarnyxEquations::solveY); });
    connect(m_txtRes2, &TextBox::clicked, this, [this] { dispatch(&frmTarnyxEquations::solveX); });
    // The working, and both results at once, from anywhere in the window.
    auto *working = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(working, &QShortcut::activated, this, &frmTarnyxEquations::showWorking);
    auto *copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copy, &QShortcut::activated, this, &frmTarnyxEquations::copyAnswer);
    for (Unknown *unknown : {&m_y, &m_x})
        connect(unknown->box, &ResultBox::workingRequested, this, &frmTarnyxEquations::showWorking);
    // A result is drawn as current only while the coefficients are those it came from.
    for (CoefficientBox *box : coefficientBoxes()) {
        connect(box, &QLineEdit::textChanged, this, &frmTarnyxEquations::updateStale);
        connect(box, &QLineEdit::textChanged, this, &frmTarnyxEquations::updateWorking);
    }
    for (Unknown *unknown : {&m_y, &m_x})
        connect(unknown->box, &QLineEdit::textEdited, this, &frmTarnyxEquations::updateStale);
}

// A result box holding a result is stale exactly when a coefficient's value read differs from the
// one it was computed from: "1", "1.0", "1/1" and " 1 " are one value.
void frmTarnyxEquations::updateStale()
{
    const ValuesRead now = valuesRead(coefficientTexts());
    for (Unknown *unknown : {&m_y, &m_x}) {
        const bool result = unknown->box->holdsResult() && !unknown->box->text().isEmpty();
        unknown->box->setStale(result && unknown->from != now);
    }
}

void frmTarnyxEquations::showWorking()
{
    if (!m_working)
        m_working = new WorkingWindow(this);
    m_working->show();
    updateWorking();
    m_working->raise();
    m_working->activateWindow();
}

// Every part of the working is made from the texts as they stand, read once; nothing that fails
// there reaches the event loop.
void frmTarnyxEquations::updateWorking()
{
    if (!m_working || !m_working->isVisible())
        return;
    try {
        const solver::CoefficientTexts texts = coefficientTexts();
        const solver::Analysis analysis(texts, Wording::groupSeparator());
        WorkingText::Boxes boxes;
        const auto all = coefficientBoxes();
        for (std::size_t i = 0; i < all.size(); ++i) {
            boxes.read[i] = solver::exact::scannedValue(
                platform::scanNumber(texts[i], Wording::groupSeparator()));
            if (const auto reading = CoefficientBox::reading(all[i]->text())) {
                boxes.misreadTexts[i] = all[i]->text();
                boxes.misreadValues[i] = reading->value;
            }
        }
        const ValuesRead now = valuesRead(texts);
        for (Unknown *unknown : {&m_y, &m_x}) {
            if (unknown->box->holdsResult() && !unknown->box->text().isEmpty()) {
                boxes.resultsCurrent =
                    (boxes.resultsShown ? boxes.resultsCurrent : true) && unknown->from == now;
                boxes.resultsShown = true;
            }
        }
        boxes.calculateKey = accessKeyText(m_cmdCalc->text());
        m_working->setWorking(WorkingText::lines(analysis, boxes), WorkingText::answer(analysis));
    } catch (...) {
        m_working->setWorking({Wording::currentError(solver::Verdict())}, QString());
    }
}

void frmTarnyxEquations::copyAnswer()
{
    try {
        const solver::Analysis analysis(coefficientTexts(), Wording::groupSeparator());
        QGuiApplication::clipboard()->setText(WorkingText::answer(analysis));
    } catch (...) {
        m_reporter(this, Wording::currentError(solver::Verdict()));
    }
}

void frmTarnyxEquations::dispatch(Outcome (frmTarnyxEquations::*handler)()) noexcept
{
    QString message;
    try {
        const Outcome outcome = (this->*handler)();
        if (!outcome.failure) {
            // The results were written into boxes without the focus: a screen reader says them.
            if (!outcome.written.isEmpty())
                m_announcer->announce(Wording::spokenResults(outcome.written, outcome.misread));
            return;
        }
        message = *outcome.failure;
    } catch (...) {
        message = Wording::currentError(solver::Verdict());
    }
    m_reporter(this, message);
}

// Y first, then X; when Y fails, X is not attempted.
frmTarnyxEquations::Outcome frmTarnyxEquations::cmdCalc_Click()
{
    return solve({&m_y, &m_x});
}

frmTarnyxEquations::Outcome frmTarnyxEquations::solveY()
{
    return solve({&m_y});
}

frmTarnyxEquations::Outcome frmTarnyxEquations::solveX()
{
    return solve({&m_x});
}

frmTarnyxEquations::Outcome frmTarnyxEquations::solve(std::initializer_list<Unknown *> unknowns)
{
    const solver::CoefficientTexts texts = usedCoefficientTexts();
    Outcome outcome;
    QStringList misreadSentences;
    for (const auto &[name, value] : misreadCoefficients()) {
        outcome.misread.append(Wording::misreadSpoken(name, value));
        misreadSentences.append(Wording::misreadSentence(name, value));
    }
    std::optional<solver::Analysis> analysis;
    Unknown *current = *unknowns.begin();
    Unknown *anyValue = nullptr; // any value of it solves the equations, which fix another
    try {
        analysis.emplace(texts, Wording::groupSeparator());
        const ValuesRead values = valuesRead(texts);
        const QString beyondBox = Wording::coefficientName(analysis->verdict().beyondBounds);
        for (Unknown *unknown : unknowns) {
            current = unknown;
            std::optional<solver::Result> result;
            try {
                result = (*analysis.*unknown->solve)();
            } catch (const platform::RuntimeError &error) {
                // Infinitely many solutions may still fix the other unknown: it is computed.
                if (error.code() != platform::ErrorCode::NotUnique || anyValue ||
                    unknowns.size() < 2)
                    throw;
                anyValue = unknown;
                continue;
            }
            unknown->from = values;
            const bool fraction = result->exact && result->exact->denominator;
            // A result from a coefficient not read as typed is marked, and its note says so first.
            unknown->box->showResult(result->value, Wording::boxText(result->value),
                                     misreadSentences + Wording::resultNote(*result, beyondBox),
                                     fraction ? Wording::boxText(*result->exact) : QString(),
                                     !misreadSentences.isEmpty());
            outcome.written.append(
                Wording::equation(unknown->name, Wording::number(result->value)));
        }
        if (anyValue && outcome.written.isEmpty()) {
            current = anyValue;
            throw platform::RuntimeError(platform::ErrorCode::NotUnique);
        }
        if (anyValue) {
            outcome.failure = Wording::sentences(
                misreadSentences +
                QStringList{Wording::error(platform::ErrorCode::NotUnique, analysis->verdict()),
                            Wording::shownBeside(outcome.written, anyValue->name,
                                                 !anyValue->box->text().isEmpty())});
        }
    } catch (...) {
        // The message names the coefficients not read as typed, says what failed and what the
        // boxes keep.
        const QString why =
            Wording::currentError(analysis ? analysis->verdict() : solver::Verdict());
        QString keeps;
        if (outcome.written.isEmpty() && unknowns.size() > 1) {
            QStringList keeping;
            for (Unknown *unknown : unknowns) {
                if (!unknown->box->text().isEmpty())
                    keeping.append(unknown->name);
            }
            keeps = Wording::neitherComputed(keeping);
        } else {
            keeps = Wording::notComputed(outcome.written, current->name,
                                         !current->box->text().isEmpty());
        }
        outcome.failure = Wording::sentences(misreadSentences + QStringList{why, keeps});
    }
    updateStale();
    return outcome;
}

frmTarnyxEquations::Outcome frmTarnyxEquations::Command1_Click()
{
    close();
    return {};
}

std::array<CoefficientBox *, 6> frmTarnyxEquations::coefficientBoxes() const
{
    return {m_txt1X, m_txt1Y, m_txtAns1, m_txt2X, m_txt2Y, m_txtAns2};
}

// The coefficients by the names the equations give them, in the boxes' order.
std::vector<std::pair<QString, QString>> frmTarnyxEquations::misreadCoefficients() const
{
    std::vector<std::pair<QString, QString>> misread;
    const auto boxes = coefficientBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString value = boxes[i]->misreadValue();
        if (!value.isEmpty())
            misread.emplace_back(Wording::coefficientName(i), value);
    }
    return misread;
}

frmTarnyxEquations::ValuesRead frmTarnyxEquations::valuesRead(const solver::CoefficientTexts &texts)
{
    ValuesRead values;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const platform::ScannedNumber number =
            platform::scanNumber(texts[i], Wording::groupSeparator());
        const auto value = solver::exact::withinBounds(number) ? solver::exact::scannedValue(number)
                                                               : std::nullopt;
        if (value)
            values[i] = solver::exact::lowestTerms(*value);
        else
            values[i] = texts[i];
    }
    return values;
}

solver::CoefficientTexts frmTarnyxEquations::coefficientTexts() const
{
    return {m_txt1X->text().toStdString(),   m_txt1Y->text().toStdString(),
            m_txtAns1->text().toStdString(), m_txt2X->text().toStdString(),
            m_txt2Y->text().toStdString(),   m_txtAns2->text().toStdString()};
}

// The texts a computation uses: each box says at once how its text was read, the focused one
// too (it would otherwise say so only on losing the focus).
solver::CoefficientTexts frmTarnyxEquations::usedCoefficientTexts()
{
    for (CoefficientBox *box : coefficientBoxes())
        box->readTextBack();
    return coefficientTexts();
}
