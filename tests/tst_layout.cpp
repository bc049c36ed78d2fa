#include "window/fontsubstitutes.h"
#include "window/frmtarnyxequations.h"
#include "window/translations.h"

#include <QtTest>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <memory>

// The window's look, checked against the control table as the user sees it: places, fonts,
// colours, the focus chain, and a handful of rendered pixels.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void controls_data();
    void controls();
    void captionsFitInEachLanguage_data();
    void captionsFitInEachLanguage();
    void onlyTheListedControls();
    void tabVisitsBoxesAndButtonsInOrder();
    void boxesAreAlike();
    void systemColoursFollowPalette_data();
    void systemColoursFollowPalette();
    void rendersGroundBoxesAndBanner();
    void pictures_data();
    void pictures();
    void focusAndEdgesStandOut_data();
    void focusAndEdgesStandOut();

private:
    std::unique_ptr<frmTarnyxEquations> m_window;
};

namespace {

// A colour of the table: a fixed colour name, a palette role name, or "" for the kind's own.
QColor expectedColour(const QString &name)
{
    const QPalette system = QApplication::palette();
    if (name == "highlight text")
        return system.color(QPalette::HighlightedText);
    if (name == "button text")
        return system.color(QPalette::ButtonText);
    if (name == "menu text")
        return system.color(QPalette::WindowText);
    return QColor(name);
}

QImage grabWindow(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The WCAG 2 contrast ratio, written out from its definition.
double wcagContrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Makes these colours the application's, as a colour scheme would, and lets the window hear of it
// (through a posted event). Returns the palette to put back.
QPalette applyScheme(std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    const QPalette original = QApplication::palette();
    QPalette scheme = original;
    for (const auto &[role, colour] : colours)
        scheme.setColor(role, colour);
    QApplication::setPalette(scheme);
    QCoreApplication::sendPostedEvents();
    return original;
}

bool isDark(QRgb c)
{
    return qGray(c) < 60;
}

bool isLight(QRgb c)
{
    return qGray(c) > 180;
}

} // namespace

void TestLayout::initTestCase()
{
    registerFontSubstitutes();
}

void TestLayout::init()
{
    m_window = std::make_unique<frmTarnyxEquations>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestLayout::cleanup()
{
    m_window.reset();
}

void TestLayout::window()
{
    QCOMPARE(m_window->objectName(), QString("frmTarnyxEquations"));
    QCOMPARE(m_window->windowTitle(), QString("TARNYX EQUATIONS"));
    // Assistive technology sees a frame named by the caption.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_window.get());
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), QString("TARNYX EQUATIONS"));
    QCOMPARE(m_window->size(), QSize(504, 426));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(m_window->autoFillBackground());
    const QList<QSize> iconSizes = m_window->windowIcon().availableSizes();
    QCOMPARE(iconSizes, (QList<QSize>{QSize(80, 80), QSize(160, 160), QSize(256, 256)}));
    // Its pictures are PNG, read as such: no image plugin (JPEG, GIF, SVG, ...) is loaded for
    // them. This runs first, before any test here reads a picture of another format.
    QFile maps("/proc/self/maps");
    if (maps.open(QIODevice::ReadOnly))
        QVERIFY(!maps.readAll().contains("/imageformats/"));
}

void TestLayout::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("fore");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>(
        "description"); // the accessible description: what the name does not say

    const QString sans = "Liberation Sans", serif = "Liberation Serif";
    // clang-format off
    QTest::newRow("lblX")       << "label"   << "X"                          << QRect(1200, 960, 495, 615)    << sans  << 12.0 << true  << "highlight text" << "button text" << "";
    QTest::newRow("txt1X")      << "box"     << ""                           << QRect(120, 720, 975, 615)     << serif << 12.0 << true  << ""               << "" << "Multiplies X in the first equation.";
    QTest::newRow("lblY")       << "label"   << "Y"                          << QRect(4080, 960, 495, 615)    << sans  << 12.0 << true  << "highlight text" << "button text" << "";
    QTest::newRow("txt1Y")      << "box"     << ""                           << QRect(3000, 720, 975, 615)    << serif << 12.0 << true  << ""               << "" << "Multiplies Y in the first equation.";
    QTest::newRow("txtAns1")    << "box"     << ""                           << QRect(6000, 720, 1215, 735)   << serif << 12.0 << true  << ""               << "" << "What the left side of the first equation equals.";
    QTest::newRow("Label1")     << "label"   << "X"                          << QRect(1200, 2040, 495, 615)   << sans  << 12.0 << true  << "highlight text" << "button text" << "";
    QTest::newRow("txt2X")      << "box"     << ""                           << QRect(120, 1800, 975, 615)    << serif << 12.0 << true  << ""               << "" << "Multiplies X in the second equation.";
    QTest::newRow("Label2")     << "label"   << "Y"                          << QRect(4080, 2040, 495, 615)   << sans  << 12.0 << true  << "highlight text" << "button text" << "";
    QTest::newRow("txt2Y")      << "box"     << ""                           << QRect(3000, 1800, 975, 615)   << serif << 12.0 << true  << ""               << "" << "Multiplies Y in the second equation.";
    QTest::newRow("lblequals")  << "label"   << "="                          << QRect(4680, 960, 1215, 615)   << sans  << 18.0 << true  << "#ffffff"        << "#000000" << "";
    QTest::newRow("lblequals1") << "label"   << "="                          << QRect(4680, 2040, 1215, 615)  << sans  << 18.0 << true  << "#ffffff"        << "#000000" << "";
    QTest::newRow("txtAns2")    << "box"     << ""                           << QRect(6000, 1800, 1215, 735)  << serif << 12.0 << true  << ""               << "" << "What the left side of the second equation equals.";
    QTest::newRow("lblXis")     << "label"   << "X = "                       << QRect(360, 2880, 1215, 615)   << sans  << 13.5 << true  << "#ffffff"        << "#000000" << "";
    QTest::newRow("lblYis")     << "label"   << "Y = "                       << QRect(360, 3600, 1215, 615)   << sans  << 13.5 << true  << "#ffffff"        << "#000000" << "";
    QTest::newRow("cmdCalc")    << "button"  << "C&alculate"                 << QRect(3240, 2880, 3135, 1455) << sans  << 12.0 << true  << ""               << "" << "";
    QTest::newRow("txtRes")     << "box"     << ""                           << QRect(1680, 3600, 1215, 735)  << serif << 12.0 << true  << ""               << "" << "Shows the Y that solves both equations. Calculate (Alt+A) recomputes it; F1 shows the working.";
    QTest::newRow("txtRes2")    << "box"     << ""                           << QRect(1680, 2880, 1215, 735)  << serif << 12.0 << true  << ""               << "" << "Shows the X that solves both equations. Calculate (Alt+A) recomputes it; F1 shows the working.";
    QTest::newRow("lblPlus")    << "label"   << "+"                          << QRect(1680, 840, 1215, 495)   << sans  << 13.5 << true  << "highlight text" << "#000000" << "";
    QTest::newRow("lblPlus1")   << "label"   << "+"                          << QRect(1680, 1920, 1215, 495)  << sans  << 13.5 << true  << "highlight text" << "#000000" << "";
    QTest::newRow("lblTovrin")  << "label"   << "\u00A9 Tarnyx 2026"         << QRect(5160, 5280, 2175, 495)  << sans  << 12.0 << true  << "#00ff00"        << "#000000" << "";
    QTest::newRow("Command1")   << "button"  << "E&xit"                      << QRect(3240, 4560, 3135, 495)  << sans  << 12.0 << true  << ""               << "" << "";
    QTest::newRow("Label3")     << "label"   << "https://tarnyx.example.org" << QRect(3720, 5760, 3615, 375)  << sans  << 9.75 << false << "#ffff00"        << "button text" << "";
    QTest::newRow("Label4")     << "label"   << "tarnyx@example.org"         << QRect(4080, 6000, 2895, 495)  << sans  << 9.75 << false << "#ffff00"        << "menu text" << "";
    QTest::newRow("Image3")     << "picture" << ""                           << QRect(120, 4800, 3075, 1515)  << ""    << 0.0  << false << ""               << "" << "";
    // clang-format on
}

void TestLayout::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QString, fore);
    QFETCH(QString, back);
    QFETCH(QString, description);

    auto *control = m_window->findChild<QWidget *>(QString(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    if (!family.isEmpty()) {
        QCOMPARE(QFontInfo(control->font()).family(), family);
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(control->font().underline(), QString(QTest::currentDataTag()) == "Label3");
    }
    QCOMPARE(control->accessibleDescription(), description);
    const QPalette system = QApplication::palette();
    if (kind == "label") {
        auto *label = qobject_cast<QLabel *>(control);
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(!label->wordWrap());
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QCOMPARE(label->palette().color(QPalette::WindowText), expectedColour(fore));
        QCOMPARE(label->palette().color(QPalette::Window), expectedColour(back));
    } else if (kind == "box") {
        auto *box = qobject_cast<QLineEdit *>(control);
        QVERIFY(box);
        QCOMPARE(box->palette().color(QPalette::Base), system.color(QPalette::Base));
        QCOMPARE(box->palette().color(QPalette::Text), system.color(QPalette::Text));
    } else if (kind == "button") {
        auto *button = qobject_cast<QPushButton *>(control);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault());
        QCOMPARE(button->palette().color(QPalette::Button), system.color(QPalette::Button));
        QCOMPARE(button->palette().color(QPalette::ButtonText), system.color(QPalette::ButtonText));
    } else {
        auto *picture = qobject_cast<QLabel *>(control);
        QVERIFY(picture);
        // Drawn at 205 × 101 pixels of the layout, from the sharp double-size picture on a 2×
        // screen (run by CTest at QT_SCALE_FACTOR=2 too).
        const bool hiDpi = m_window->devicePixelRatio() > 1.0;
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(205, 101));
        QCOMPARE(picture->pixmap().size(), hiDpi ? QSize(410, 202) : QSize(205, 101));
        QVERIFY(!picture->hasScaledContents());
        QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
    }
}

void TestLayout::captionsFitInEachLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("English") << "en_US";
    for (const QString &language : QString(TARNYX_LANGUAGES).split(' '))
        QTest::newRow(qPrintable(language)) << QLocale(language).name();
}

// In each language every caption fits its control at the window's fixed geometry and fonts, and
// the buttons' access keys differ.
void TestLayout::captionsFitInEachLanguage()
{
    QFETCH(QString, locale);
    installTranslations(QLocale(locale));
    const auto english = qScopeGuard([] { installTranslations(QLocale::c()); });
    init(); // the window in that language
    QStringList keys;
    for (QWidget *control : m_window->findChildren<QWidget *>()) {
        QString caption;
        int room = 0;
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            caption = button->text();
            keys.append(QKeySequence::mnemonic(caption).toString());
            QStyleOptionButton option;
            option.initFrom(button);
            room = button->style()
                       ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                       .width();
        } else if (auto *label = qobject_cast<QLabel *>(control);
                   label && label->pixmap().isNull()) {
            caption = label->text();
            room = label->contentsRect().width();
        } else {
            continue;
        }
        caption.remove('&');
        const int width = control->fontMetrics().horizontalAdvance(caption);
        // The e-mail label is cut off at the window's bottom edge, not at its sides.
        QVERIFY2(width <= room, qPrintable(QString("%1: \"%2\" is %3 px, the room %4 px")
                                               .arg(control->objectName(), caption)
                                               .arg(width)
                                               .arg(room)));
    }
    QCOMPARE(keys.size(), 2);
    QVERIFY2(keys.at(0) != keys.at(1) && !keys.contains(QString()), qPrintable(keys.join(' ')));
}

void TestLayout::onlyTheListedControls()
{
    // Thirteen labels and the picture, which is a label showing a pixmap.
    QCOMPARE(m_window->findChildren<QLabel *>(Qt::FindDirectChildrenOnly).size(), 14);
    QCOMPARE(m_window->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly).size(), 8);
    QCOMPARE(m_window->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly).size(), 2);
    // Label4 reaches past the bottom of the client area and is cut off there.
    auto *label4 = m_window->findChild<QLabel *>("Label4");
    QVERIFY(label4->geometry().bottom() >= m_window->height());
}

void TestLayout::tabVisitsBoxesAndButtonsInOrder()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QStringList expected = {"txt1X",   "txt1Y",  "txtAns1", "txt2X",    "txt2Y", "txtAns2",
                                  "cmdCalc", "txtRes", "txtRes2", "Command1", "txt1X"};
    QCOMPARE(QApplication::focusWidget()->objectName(), expected.first());
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestLayout::boxesAreAlike()
{
    for (auto *box : m_window->findChildren<QLineEdit *>()) {
        QVERIFY2(box->hasFrame(), qPrintable(box->objectName()));
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->alignment(), Qt::AlignCenter);
        QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
        QCOMPARE(box->text(), QString());
        QCOMPARE(box->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!box->accessibleName().isEmpty());
    }
    auto *a1 = m_window->findChild<QLineEdit *>("txt1X");
    QCOMPARE(a1->accessibleName(), QString("a1, coefficient of X in equation 1"));
    QCOMPARE(m_window->findChild<QLineEdit *>("txtRes2")->accessibleName(), QString("X result"));
    QCOMPARE(m_window->findChild<QLineEdit *>("txtRes")->accessibleName(), QString("Y result"));
}

void TestLayout::systemColoursFollowPalette_data()
{
    QTest::addColumn<QColor>("highlightText");
    QTest::addColumn<QColor>("buttonText");
    QTest::addColumn<QColor>("windowText");
    QTest::addColumn<QColor>("xFore"); // lblX: highlight text on button text
    QTest::addColumn<QColor>("xBack");
    QTest::addColumn<QColor>("mailBack"); // Label4: yellow on menu text

    const QColor white(Qt::white), black(Qt::black), navy(0, 0, 128), blue(0, 0, 200);
    const QColor nearWhite(252, 252, 252), grey(239, 240, 241);
    // clang-format off
    QTest::newRow("legible scheme: followed")      << QColor(Qt::yellow) << navy      << blue      << QColor(Qt::yellow) << navy  << blue;
    QTest::newRow("dark scheme: white on white")   << white              << nearWhite << nearWhite << white              << black << black;
    QTest::newRow("dark scheme: grey texts")       << grey               << grey      << grey      << white              << black << black;
    QTest::newRow("black highlight text on black") << black              << black     << black     << white              << black << black;
    // clang-format on
}

// Labels in system colours follow the user's colour scheme and are drawn in it, unless their
// text would be hard to read on its background: then they keep the standard scheme's colours.
void TestLayout::systemColoursFollowPalette()
{
    QFETCH(QColor, highlightText);
    QFETCH(QColor, buttonText);
    QFETCH(QColor, windowText);
    QFETCH(QColor, xFore);
    QFETCH(QColor, xBack);
    QFETCH(QColor, mailBack);
    const QPalette original = applyScheme({{QPalette::HighlightedText, highlightText},
                                           {QPalette::ButtonText, buttonText},
                                           {QPalette::WindowText, windowText}});

    auto *lblX = m_window->findChild<QLabel *>("lblX");
    auto *label4 = m_window->findChild<QLabel *>("Label4");
    QTRY_COMPARE(lblX->palette().color(QPalette::WindowText), xFore);
    QCOMPARE(lblX->palette().color(QPalette::Window), xBack);
    QCOMPARE(label4->palette().color(QPalette::Window), mailBack);
    QCOMPARE(label4->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    for (auto *label : m_window->findChildren<QLabel *>()) {
        const double ratio = wcagContrast(label->palette().color(QPalette::WindowText),
                                          label->palette().color(QPalette::Window));
        QVERIFY2(label->objectName() == "Image3" || ratio >= 3.0,
                 qPrintable(QString("%1: %2:1").arg(label->objectName()).arg(ratio)));
    }
    const QImage image = grabWindow(m_window.get());
    QCOMPARE(QColor(image.pixel(lblX->geometry().bottomLeft() + QPoint(2, -2))), xBack);
    QCOMPARE(QColor(image.pixel(label4->geometry().left() + 2, m_window->height() - 2)), mailBack);
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(Qt::black));

    QApplication::setPalette(original);
    QTRY_COMPARE(lblX->palette().color(QPalette::Window), original.color(QPalette::ButtonText));
}

void TestLayout::rendersGroundBoxesAndBanner()
{
    const QImage image = grabWindow(m_window.get());
    QCOMPARE(image.size(), QSize(504, 426));
    // The ground between controls.
    for (QPoint p : {QPoint(4, 4), QPoint(300, 20), QPoint(100, 240), QPoint(500, 300)})
        QVERIFY2(isDark(image.pixel(p)),
                 qPrintable(QString("ground at %1,%2").arg(p.x()).arg(p.y())));
    // Text-box interiors, away from the frame.
    for (const char *name : {"txt1X", "txtAns2", "txtRes"}) {
        QRect r = m_window->findChild<QWidget *>(name)->geometry();
        QVERIFY2(isLight(image.pixel(r.left() + 6, r.center().y())), name);
    }
    // The banner: mostly dark, with light lettering.
    const QRect banner = m_window->findChild<QWidget *>("Image3")->geometry();
    int dark = 0, light = 0;
    for (int y = banner.top(); y <= banner.bottom(); ++y) {
        for (int x = banner.left(); x <= banner.right(); ++x) {
            dark += isDark(image.pixel(x, y));
            light += isLight(image.pixel(x, y));
        }
    }
    const int area = banner.width() * banner.height();
    QVERIFY2(dark > area * 6 / 10, qPrintable(QString("dark %1 of %2").arg(dark).arg(area)));
    QVERIFY2(light > area / 50, qPrintable(QString("light %1 of %2").arg(light).arg(area)));
}

void TestLayout::pictures_data()
{
    QTest::addColumn<QString>("shown");  // the window icon or the banner as shown, or a resource
    QTest::addColumn<int>("size");       // the icon's size asked for
    QTest::addColumn<QString>("source"); // the picture it must be, pixel for pixel

    const QString resources = QStringLiteral(TARNYX_SOURCE_DIR "/resources/");
    // clang-format off
    QTest::newRow("icon at 80: its own picture")  << "icon"                   << 80  << ":/tarnyx/tarnyx.png";
    QTest::newRow("icon at 160: its own picture") << "icon"                   << 160 << ":/tarnyx/tarnyx-160.png";
    QTest::newRow("icon at 256: its own picture") << "icon"                   << 256 << ":/tarnyx/tarnyx-256.png";
    QTest::newRow("banner: its JPEG, decoded")    << "banner"                 << 0   << resources + "banner.jpg";
    QTest::newRow("double banner: its JPEG")      << ":/tarnyx/banner@2x.png" << 0   << resources + "banner@2x.jpg";
    // clang-format on
}

// Each picture the window shows is the one made for it: an icon size is not another one scaled,
// and the banner, shipped as a PNG so the program needs no JPEG decoder, is its JPEG source as
// Qt decodes it.
void TestLayout::pictures()
{
    QFETCH(QString, shown);
    QFETCH(int, size);
    QFETCH(QString, source);
    if (source.endsWith(".jpg") && !QImageReader::supportedImageFormats().contains("jpeg"))
        QSKIP("this Qt has no JPEG reader");
    QImage image;
    if (shown == "icon")
        image = m_window->windowIcon().pixmap(QSize(size, size)).toImage();
    else if (shown == "banner")
        image = m_window->findChild<QLabel *>("Image3")->pixmap().toImage();
    else
        image = QImage(shown);
    const QImage expected(source);
    QVERIFY(!expected.isNull());
    QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));
}

void TestLayout::focusAndEdgesStandOut_data()
{
    QTest::addColumn<QColor>("base"); // text boxes
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("button");
    QTest::addColumn<QColor>("buttonText");
    QTest::addColumn<QColor>("highlight");

    const QColor white(Qt::white), black(Qt::black);
    // clang-format off
    QTest::newRow("standard scheme")            << white             << black << QColor(239, 239, 239) << black << QColor(48, 140, 198);
    QTest::newRow("dark scheme")                << QColor(42, 42, 42) << white << QColor(53, 53, 53)   << white << QColor(42, 130, 218);
    QTest::newRow("dark, dim highlight")        << QColor(42, 42, 42) << white << QColor(53, 53, 53)   << white << QColor(38, 112, 158);
    QTest::newRow("high contrast black")        << black             << white << black                << white << QColor(26, 235, 255);
    QTest::newRow("high contrast, black focus") << black             << white << black                << white << black;
    // clang-format on
}

// The focused control's outline stands out by 3:1 from the ground around it and from the
// control's inside, and every box can be told from the black ground, in any colour scheme.
void TestLayout::focusAndEdgesStandOut()
{
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    QFETCH(QColor, button);
    QFETCH(QColor, buttonText);
    QFETCH(QColor, highlight);
    const QPalette original = applyScheme({{QPalette::Base, base},
                                           {QPalette::Text, text},
                                           {QPalette::Button, button},
                                           {QPalette::ButtonText, buttonText},
                                           {QPalette::Highlight, highlight}});
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    const QColor ground(Qt::black);
    for (const char *name : {"cmdCalc", "txt1X", "Command1", "txtRes"}) {
        QWidget *control = m_window->findChild<QWidget *>(name);
        control->setFocus(Qt::TabFocusReason);
        const QImage image = grabWindow(m_window.get());
        const QRect r = control->geometry();
        const QColor outline = image.pixel(r.left() + 1, r.center().y());
        const QColor inside = qobject_cast<QLineEdit *>(control) ? base : button;
        const double againstGround = wcagContrast(outline, ground);
        const double againstInside = wcagContrast(outline, inside);
        QVERIFY2(againstGround >= 3.0 && againstInside >= 3.0,
                 qPrintable(QString("%1: outline %2, %3:1 on the ground, %4:1 inside")
                                .arg(name, outline.name())
                                .arg(againstGround)
                                .arg(againstInside)));
    }
    m_window->findChild<QWidget *>("cmdCalc")->setFocus();
    const QImage image = grabWindow(m_window.get());
    for (auto *box : m_window->findChildren<QLineEdit *>()) {
        const QRect r = box->geometry();
        const double edge =
            std::max(wcagContrast(image.pixel(r.left(), r.center().y()), ground),
                     wcagContrast(image.pixel(r.left() + 3, r.center().y()), ground));
        QVERIFY2(edge >= 3.0,
                 qPrintable(QString("%1: edge %2:1").arg(box->objectName()).arg(edge)));
    }
    QApplication::setPalette(original);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
