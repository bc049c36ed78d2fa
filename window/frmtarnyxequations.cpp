#include "frmtarnyxequations.h"

#include "clicklineedit.h"
#include "errormessages.h"
#include "formdefinition.h"
#include "vbcolour.h"

#include "solver/solver.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <limits>
#include <new>
#include <string>
#include <vector>

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
        return new QPushButton(caption, parent);
    case form::Kind::Picture: {
        // Shown at its natural size, unstretched, from the top-left corner; see loadPictures().
        auto *picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    }
    return nullptr;
}

solver::CoefficientTexts viewOf(const std::array<std::string, 6> &t)
{
    return {t[0], t[1], t[2], t[3], t[4], t[5]};
}

} // namespace

frmTarnyxEquations::frmTarnyxEquations(QWidget *parent) : QWidget(parent)
{
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

// The window icon gets its larger sizes. A picture is drawn from its double-size file on a
// screen of more than one device pixel per pixel; the file's "@2x" name tells Qt to draw it at
// the picture's own size.
void frmTarnyxEquations::loadPictures()
{
    QIcon icon;
    for (const char *file : form::window.icons)
        icon.addFile(QString::fromLatin1(file));
    setWindowIcon(icon);

    const bool hiDpi = devicePixelRatioF() > 1.0;
    for (const form::Control &def : form::controls) {
        if (def.kind == form::Kind::Picture)
            findChild<QLabel *>(QLatin1String(def.name))
                ->setPixmap(QPixmap(QString::fromLatin1(hiDpi ? def.picture2x : def.picture)));
    }
}

void frmTarnyxEquations::setErrorReporter(ErrorReporter reporter)
{
    m_reporter = std::move(reporter);
}

void frmTarnyxEquations::showErrorBox(QWidget *window, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(form::window.caption), message,
                    QMessageBox::Ok, window);
    box.exec();
}

void frmTarnyxEquations::buildControls()
{
    std::vector<QWidget *> tabChain;
    for (const form::Control &def : form::controls) {
        QWidget *control = createControl(def, this);
        control->setObjectName(QString::fromLatin1(def.name));
        control->setGeometry(pixelRect(def.left, def.top, def.width, def.height));
        if (def.font)
            control->setFont(toQFont(*def.font));
        if (def.accessibleName)
            control->setAccessibleName(QString::fromUtf8(def.accessibleName));
        if (control->focusPolicy() != Qt::NoFocus)
            tabChain.push_back(control);
    }
    auto tabIndexOf = [](QWidget *w) {
        return std::find_if(
                   form::controls.begin(), form::controls.end(),
                   [w](const form::Control &c) { return w->objectName() == QLatin1String(c.name); })
            ->tabIndex;
    };
    std::stable_sort(tabChain.begin(), tabChain.end(),
                     [&](QWidget *a, QWidget *b) { return tabIndexOf(a) < tabIndexOf(b); });
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);

    auto box = [this](const char *name) { return findChild<QLineEdit *>(QLatin1String(name)); };
    m_txt1X = box("txt1X");
    m_txt1Y = box("txt1Y");
    m_txtAns1 = box("txtAns1");
    m_txt2X = box("txt2X");
    m_txt2Y = box("txt2Y");
    m_txtAns2 = box("txtAns2");
    m_txtRes = findChild<ClickLineEdit *>(QStringLiteral("txtRes"));
    m_txtRes2 = findChild<ClickLineEdit *>(QStringLiteral("txtRes2"));
    m_cmdCalc = findChild<QPushButton *>(QStringLiteral("cmdCalc"));
    m_Command1 = findChild<QPushButton *>(QStringLiteral("Command1"));
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
    for (const form::Control &def : form::controls) {
        if (!def.foreColour || !def.backColour)
            continue;
        QColor fore = resolveColour(*def.foreColour, system);
        QColor back = resolveColour(*def.backColour, system);
        if (contrastRatio(fore, back) < minimumContrast) {
            fore = standardColour(*def.foreColour);
            back = standardColour(*def.backColour);
        }
        auto *control = findChild<QWidget *>(QLatin1String(def.name));
        QPalette colours = control->palette();
        colours.setColor(QPalette::WindowText, fore);
        colours.setColor(QPalette::Window, back);
        control->setPalette(colours);
    }
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
    // A result box too narrow for its text shows the whole text as its tooltip, always as
    // plain text: a typed "<b>" is shown, not obeyed.
    for (ClickLineEdit *box : {m_txtRes, m_txtRes2}) {
        connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
            QString tip;
            if (!box->textFits())
                tip = Qt::mightBeRichText(text)
                          ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap)
                          : text;
            box->setToolTip(tip);
        });
    }
}

// Writes a result and shows it from its first character, as a classic text box does when its
// text is set; QLineEdit would leave the cursor at the end and scroll the sign and first
// digits out of a narrow box.
void frmTarnyxEquations::showResult(ClickLineEdit *box, const std::string &text)
{
    box->setText(QString::fromStdString(text));
    box->setCursorPosition(0);
}

void frmTarnyxEquations::dispatch(void (frmTarnyxEquations::*handler)()) noexcept
{
    QString message;
    try {
        (this->*handler)();
        return;
    } catch (const platform::RuntimeError &error) {
        message = errorMessage(error.code());
    } catch (const std::bad_alloc &) {
        message = QStringLiteral("There is not enough memory to calculate.");
    } catch (...) {
        message = QStringLiteral("The calculation failed.");
    }
    m_reporter(this, message);
}

// Y first, then X; when Y fails, X is not attempted.
void frmTarnyxEquations::cmdCalc_Click()
{
    solveY();
    solveX();
}

void frmTarnyxEquations::Command1_Click()
{
    close();
}

std::array<std::string, 6> frmTarnyxEquations::coefficientTexts() const
{
    return {m_txt1X->text().toStdString(),   m_txt1Y->text().toStdString(),
            m_txtAns1->text().toStdString(), m_txt2X->text().toStdString(),
            m_txt2Y->text().toStdString(),   m_txtAns2->text().toStdString()};
}

void frmTarnyxEquations::solveY()
{
    const auto texts = coefficientTexts();
    showResult(m_txtRes, solver::solveY(viewOf(texts)));
}

void frmTarnyxEquations::solveX()
{
    const auto texts = coefficientTexts();
    showResult(m_txtRes2, solver::solveX(viewOf(texts)));
}
