#include "frmtarnyxequations.h"

#include "announcer.h"
#include "boxaccessible.h"
#include "clicklineedit.h"
#include "errormessages.h"
#include "focuspushbutton.h"
#include "formdefinition.h"
#include "vbcolour.h"
#include "windowaccessible.h"

#include "solver/solver.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>

#include <algorithm>
#include <limits>
#include <new>
#include <string>

namespace {

QRect pixelRect(int left, int top, int width, int height)
{
    constexpr int t = form::twipsPerPixel;
    return QRect(left / t, top / t, width / t, height / t);
}

QFont toQFont(const form::Font &def)
{
    QFont font(QString::fromLatin1(def.family));
    font.setPointSizeF(def.pointSize);
    font.setBold(def.bold);
    font.setUnderline(def.underline);
    return font;
}

QWidget *createControl(const form::Control &def, QWidget *parent)
{
    const QString caption = QString::fromUtf8(def.caption);
    switch (def.kind) {
    case form::Kind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(false);
        label->setAutoFillBackground(true);
        return label;
    }
    case form::Kind::TextBox: {
        auto *box = new ClickLineEdit(parent);
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case form::Kind::Button:
        return new FocusPushButton(caption, parent);
    case form::Kind::Picture: {
        // Shown at its natural size, unstretched, from the top-left corner; see loadPictures().
        auto *picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    }
    Q_UNREACHABLE();
}

// The row of the control table with this name, found when the program is compiled.
consteval std::size_t row(std::string_view name)
{
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        if (std::string_view(form::controls[i].name) == name)
            return i;
    }
    throw "no such control"; // not a constant expression: a misspelt name does not compile
}

} // namespace

frmTarnyxEquations::frmTarnyxEquations(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled =
        (QAccessible::installFactory(&frmTarnyxEquations::accessibleInterface), true);
    Q_UNUSED(factoryInstalled);
    m_announcer = new Announcer(this);
    m_announcerId = QAccessible::registerAccessibleInterface(m_announcer);

    setObjectName(QString::fromLatin1(form::window.name));
    setWindowTitle(QString::fromLatin1(form::window.caption));
    setFixedSize(form::window.clientWidth / form::twipsPerPixel,
                 form::window.clientHeight / form::twipsPerPixel);
    setWindowIcon(QIcon(QString::fromLatin1(form::window.icons.front())));
    setAutoFillBackground(true);

    buildControls();
    applyColours();
    connectHandlers();
    m_txt1X->setFocus();
    // Decoding the banner loads the JPEG reader, and the larger icons cost time and memory when
    // the window is mapped; the window needs neither to appear. The queued call runs as soon as
    // the event loop starts, before the window is first painted.
    QMetaObject::invokeMethod(this, &frmTarnyxEquations::loadPictures, Qt::QueuedConnection);
}

frmTarnyxEquations::~frmTarnyxEquations()
{
    QAccessible::deleteAccessibleInterface(m_announcerId);
}

QAccessibleInterface *frmTarnyxEquations::accessibleInterface(const QString &className,
                                                              QObject *object)
{
    if (className == QLatin1String("ClickLineEdit"))
        return new BoxAccessible(static_cast<ClickLineEdit *>(object));
    auto *window = qobject_cast<frmTarnyxEquations *>(object);
    if (!window || className != QLatin1String(form::window.name))
        return nullptr;
    return new WindowAccessible(window, window->m_announcer);
}

// The window icon gets its larger sizes. A picture is drawn from its double-size file on a
// screen of more than one device pixel per pixel; the file's "@2x" name tells Qt to draw it at
// the picture's own size.
void frmTarnyxEquations::loadPictures()
{
    QIcon icon;
    for (const char *file : form::window.icons)
        icon.addFile(QString::fromLatin1(file));
    setWindowIcon(icon);

    const form::Control &def = form::controls[row("Image3")];
    const bool hiDpi = devicePixelRatioF() > 1.0;
    m_Image3->setPixmap(QPixmap(QString::fromLatin1(hiDpi ? def.picture2x : def.picture)));
}

void frmTarnyxEquations::setErrorReporter(ErrorReporter reporter)
{
    m_reporter = std::move(reporter);
}

void frmTarnyxEquations::showErrorBox(QWidget *window, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(form::window.caption), message,
                    QMessageBox::Ok, window);
    // Qt's message box gives its picture no name; a screen reader would call it "image".
    if (auto *icon = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(QStringLiteral("Warning"));
    box.exec();
}

// Builds every control of the table, in table order, and keeps those the window works with.
void frmTarnyxEquations::buildControls()
{
    std::array<QWidget *, form::controls.size()> built{};
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const form::Control &def = form::controls[i];
        QWidget *control = createControl(def, this);
        control->setObjectName(QString::fromLatin1(def.name));
        control->setGeometry(pixelRect(def.left, def.top, def.width, def.height));
        if (def.font)
            control->setFont(toQFont(*def.font));
        if (def.accessibleName)
            control->setAccessibleName(QString::fromUtf8(def.accessibleName));
        if (def.description) {
            if (def.kind == form::Kind::TextBox)
                static_cast<ClickLineEdit *>(control)->setDescription(
                    QString::fromUtf8(def.description));
            else
                control->setAccessibleDescription(QString::fromUtf8(def.description));
        }
        if (def.kind == form::Kind::Label && def.foreColour && def.backColour)
            m_colouredLabels.emplace_back(&def, static_cast<QLabel *>(control));
        built[i] = control;
    }

    // The focus visits the focusable controls in the order of their tab indexes.
    std::vector<std::size_t> chain;
    for (std::size_t i = 0; i < built.size(); ++i) {
        if (built[i]->focusPolicy() != Qt::NoFocus)
            chain.push_back(i);
    }
    std::stable_sort(chain.begin(), chain.end(), [](std::size_t a, std::size_t b) {
        return form::controls[a].tabIndex < form::controls[b].tabIndex;
    });
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(built[chain[i - 1]], built[chain[i]]);

    auto box = [&built](std::size_t i) { return static_cast<ClickLineEdit *>(built[i]); };
    m_txt1X = box(row("txt1X"));
    m_txt1Y = box(row("txt1Y"));
    m_txtAns1 = box(row("txtAns1"));
    m_txt2X = box(row("txt2X"));
    m_txt2Y = box(row("txt2Y"));
    m_txtAns2 = box(row("txtAns2"));
    m_txtRes = box(row("txtRes"));
    m_txtRes2 = box(row("txtRes2"));
    m_cmdCalc = static_cast<QPushButton *>(built[row("cmdCalc")]);
    m_Command1 = static_cast<QPushButton *>(built[row("Command1")]);
    m_Image3 = static_cast<QLabel *>(built[row("Image3")]);
    m_txtRes->setShowsResults(true);
    m_txtRes2->setShowsResults(true);
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
    for (ClickLineEdit *box : {m_txtRes, m_txtRes2})
        box->updateColours();
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
    connect(m_txtRes, &ClickLineEdit::clicked, this,
            [this] { dispatch(&frmTarnyxEquations::solveY); });
    connect(m_txtRes2, &ClickLineEdit::clicked, this,
            [this] { dispatch(&frmTarnyxEquations::solveX); });
    // A result is drawn as current only while the coefficients are those it came from.
    for (ClickLineEdit *box : {m_txt1X, m_txt1Y, m_txtAns1, m_txt2X, m_txt2Y, m_txtAns2})
        connect(box, &QLineEdit::textChanged, this, &frmTarnyxEquations::updateStale);
    for (auto [box, state] : {std::pair(m_txtRes, &m_yState), std::pair(m_txtRes2, &m_xState)}) {
        connect(box, &QLineEdit::textEdited, this, [this, state] {
            state->failed = false; // typed by the user: no longer a result
            updateStale();
        });
    }
}

// A result box holding a result is stale when the latest computation of it failed (it keeps
// its earlier text) or the coefficients have changed since it was computed.
void frmTarnyxEquations::updateStale()
{
    const CoefficientTexts now = coefficientTexts();
    for (auto [box, state] : {std::pair(m_txtRes, &m_yState), std::pair(m_txtRes2, &m_xState)}) {
        const bool result = box->holdsResult() && !box->text().isEmpty();
        box->setStale(result && (state->failed || state->from != now));
    }
}

void frmTarnyxEquations::dispatch(void (frmTarnyxEquations::*handler)()) noexcept
{
    QString message;
    m_failureContext.clear();
    m_written.clear();
    try {
        (this->*handler)();
        // The results were written into boxes without the focus: a screen reader says them.
        if (!m_written.isEmpty())
            m_announcer->announce(m_written.join(QStringLiteral(", ")));
        return;
    } catch (const platform::RuntimeError &error) {
        message = errorMessage(error.code());
        if (!error.detail().empty())
            message += QLatin1Char(' ') + QString::fromStdString(error.detail());
    } catch (const std::bad_alloc &) {
        message = QStringLiteral("There is not enough memory to calculate.");
    } catch (...) {
        message = QStringLiteral("The calculation failed.");
    }
    if (!m_failureContext.isEmpty())
        message += QLatin1Char(' ') + m_failureContext;
    m_reporter(this, message);
}

// Y first, then X; when Y fails, X is not attempted.
void frmTarnyxEquations::cmdCalc_Click()
{
    m_failureContext =
        QStringLiteral("Neither result could be computed; both boxes keep their earlier values.");
    solveY();
    m_failureContext = QStringLiteral("Y = %1 was computed. X could not be computed; its box "
                                      "keeps its earlier value.")
                           .arg(m_txtRes->text());
    solveX();
}

void frmTarnyxEquations::Command1_Click()
{
    close();
}

frmTarnyxEquations::CoefficientTexts frmTarnyxEquations::coefficientTexts() const
{
    return {m_txt1X->text(), m_txt1Y->text(), m_txtAns1->text(),
            m_txt2X->text(), m_txt2Y->text(), m_txtAns2->text()};
}

void frmTarnyxEquations::compute(ClickLineEdit *box, ResultState &state,
                                 solver::Result (*solve)(const solver::CoefficientTexts &))
{
    const CoefficientTexts texts = coefficientTexts();
    std::array<std::string, 6> t;
    std::transform(texts.begin(), texts.end(), t.begin(),
                   [](const QString &s) { return s.toStdString(); });
    solver::Result result;
    try {
        result = solve({t[0], t[1], t[2], t[3], t[4], t[5]});
    } catch (...) {
        state.failed = true;
        updateStale();
        throw;
    }
    state = {texts, false};
    box->showResult(QString::fromStdString(result.text));
    m_written.append((box == m_txtRes ? QStringLiteral("Y = ") : QStringLiteral("X = ")) +
                     box->text());
    box->setValueNote(QString::fromStdString(result.note));
    updateStale();
}

void frmTarnyxEquations::solveY()
{
    if (m_failureContext.isEmpty())
        m_failureContext =
            QStringLiteral("Y could not be computed; its box keeps its earlier value.");
    compute(m_txtRes, m_yState, &solver::solveY);
}

void frmTarnyxEquations::solveX()
{
    if (m_failureContext.isEmpty())
        m_failureContext =
            QStringLiteral("X could not be computed; its box keeps its earlier value.");
    compute(m_txtRes2, m_xState, &solver::solveX);
}
