#include "window/coefficientbox.h"
#include "window/colours.h"
#include "window/fontsubstitutes.h"
#include "window/frmtarnyxequations.h"
#include "window/resultbox.h"
#include "window/translations.h"
#include "window/wording.h"

#include "outcome.h"
#include "truth.h"

#include <QtTest>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <memory>

namespace {

const char *const coefficientBoxes[] = {"txt1X", "txt1Y", "txtAns1", "txt2X", "txt2Y", "txtAns2"};

const QString noSolution = "No solution: the two equations contradict each other.";
const QString a1 = "a1 (coefficient of X in equation 1)";
const QString anyXY = "Infinitely many solutions: any X and Y satisfy both equations.";
// The exact part's bounds, as the messages name them with the coefficient beyond them, and what
// the double steps then did.
QString bounds(const QString &box)
{
    return box + " has more than 1000 significant digits, or a last significant digit whose "
                 "exponent is beyond \u00B11000";
}
QString notSolvedExactly(const QString &box)
{
    return "The equations were not solved exactly: " + bounds(box) +
           ". A calculator working through the same formula in floating point then ";
}
QString tooLarge(const QString &box)
{
    return notSolvedExactly(box) + "meets a number too large for it.";
}
QString dividesByZero(const QString &box)
{
    return notSolvedExactly(box) + "divides by zero.";
}
// 1.000…0001E-300 with 1001 significant digits: beyond the exact solution's bounds, so the double
// steps alone give the results.
const QString beyondBounds = "1." + QString(999, '0') + "1e-300";
// What a failure message adds: after Calculate's Y failed, after its X failed (Y = 1 computed),
// and after a result-box click.
const QString neither = " Neither result could be computed; both boxes keep their earlier values.";
const QString yWasOne =
    " Y = 1 was computed. X could not be computed; its box keeps its earlier value.";
const QString xAlone = " X could not be computed; its box keeps its earlier value.";

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsEmptyWithFocusInFirstBox();
    void calculates_data();
    void calculates();
    void altWithoutAccessKeyTypesNothing_data();
    void altWithoutAccessKeyTypesNothing();
    void englishFirstKeepsEnglish();
    void showsTheWorking();
    void englishWordsGermanNumbers();
    void regionalTranslationFirst();
    void calculateKeys_data();
    void calculateKeys();
    void resultBoxClickRecomputesOnlyItsResult_data();
    void resultBoxClickRecomputesOnlyItsResult();
    void showsWholeResultFromItsStart_data();
    void showsWholeResultFromItsStart();
    void showsStartWhenFocusMoves_data();
    void showsStartWhenFocusMoves();
    void notesTheExactValue_data();
    void notesTheExactValue();
    void marksResultsFromEarlierEquations_data();
    void marksResultsFromEarlierEquations();
    void speaksWrittenResults_data();
    void speaksWrittenResults();
    void resultBoxStaysEditable();
    void enterAndEscapeStartNothing();
    void exitKeys_data();
    void exitKeys();
    void failureShowsWarningBoxAndKeepsRunning();
    void convertsVeryLongText();
    void speaksTheUserLanguage_data();
    void speaksTheUserLanguage();
    void pastesMegabyteText_data();
    void pastesMegabyteText();
    void readsTextBack_data();
    void readsTextBack();
    void wordsEachFact_data();
    void wordsEachFact();
    void screenReaderEditsAreTyping_data();
    void screenReaderEditsAreTyping();
    void answersScreenReaderDuringTeardown();
    void survivesManyCalculations();

private:
    QLineEdit *box(const char *name) const;
    QPushButton *button(const char *name) const;
    void type(const char *name, const QString &text);
    void typeCoefficients(const QStringList &texts);
    void click(const char *name);

    std::unique_ptr<frmTarnyxEquations> m_window;
    QStringList m_reports;
};

void TestWindow::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    registerFontSubstitutes();
}

void TestWindow::init()
{
    m_reports.clear();
    m_window = std::make_unique<frmTarnyxEquations>();
    m_window->setErrorReporter(
        [this](QWidget *, const QString &message) { m_reports.append(message); });
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestWindow::cleanup()
{
    m_window.reset();
}

QLineEdit *TestWindow::box(const char *name) const
{
    auto *b = m_window->findChild<QLineEdit *>(QLatin1String(name));
    if (!b)
        qFatal("no text box %s", name);
    return b;
}

QPushButton *TestWindow::button(const char *name) const
{
    auto *b = m_window->findChild<QPushButton *>(QLatin1String(name));
    if (!b)
        qFatal("no button %s", name);
    return b;
}

void TestWindow::type(const char *name, const QString &text)
{
    QLineEdit *b = box(name);
    click(name);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    QTest::keyClicks(b, text);
}

void TestWindow::typeCoefficients(const QStringList &texts)
{
    for (int i = 0; i < 6; ++i)
        type(coefficientBoxes[i], texts.at(i));
}

void TestWindow::click(const char *name)
{
    QWidget *w = m_window->findChild<QWidget *>(QLatin1String(name));
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void TestWindow::startsEmptyWithFocusInFirstBox()
{
    for (const char *name :
         {"txt1X", "txt1Y", "txtAns1", "txt2X", "txt2Y", "txtAns2", "txtRes", "txtRes2"})
        QVERIFY2(box(name)->text().isEmpty(), name);
    QCOMPARE(QApplication::focusWidget(), box("txt1X"));
    QCOMPARE(m_window->windowTitle(), QString("TARNYX EQUATIONS"));
    // Each coefficient box's tooltip names it and its equation, as the window shows them.
    for (int i = 0; i < 6; ++i) {
        const QString tip = box(coefficientBoxes[i])->toolTip();
        QVERIFY2(tip.startsWith(QString("abc").at(i % 3) + QString::number(i / 3 + 1) + ": ") &&
                     tip.contains(QString::number(i / 3 + 1)),
                 qPrintable(tip));
    }
}

void TestWindow::calculates_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("report");

    // The result boxes hold "old" before each calculation.
    // clang-format off
    QTest::newRow("2X+3Y=8, X+Y=3")               << QStringList{"2", "3", "8", "1", "1", "3"}         << "2"   << "1"   << "";
    QTest::newRow("a2 = 0 still gives X")         << QStringList{"1", "1", "3", "0", "1", "1"}         << "1"   << "2"   << "";
    QTest::newRow("parallel: nothing changes")    << QStringList{"1", "1", "1", "2", "2", "3"}         << "old" << "old" << noSolution + neither;
    QTest::newRow("all empty: nothing changes")   << QStringList{"", "", "", "", "", ""}               << "old" << "old" << anyXY + neither;
    QTest::newRow("too large: nothing changes")   << QStringList{"1e1001", "1", "1", "1", "2", "3"}    << "old" << "old" << tooLarge(a1) + neither;
    QTest::newRow("beyond the doubles, solved")   << QStringList{"1e999", "1", "1", "1", "2", "3"}     << "1.5" << "-5E-1000" << "";
    QTest::newRow("1E400 read exactly")           << QStringList{"1E400", "0", "1E400", "1", "1", "3"} << "2"   << "1"   << "";
    QTest::newRow("products underflow, solved")   << QStringList{"1E-170", "0", "1E-170", "0", "1E-170", "2E-170"} << "2" << "1" << "";
    QTest::newRow("doubles see parallel, solved") << QStringList{"1", "1", "2", "1", "1.0000000000000001", "2"} << "0" << "2" << "";
    QTest::newRow("exactly parallel decimals")     << QStringList{"0.1", "0.3", "1", "0.3", "0.9", "2"} << "old" << "old" << noSolution + neither;
    QTest::newRow("X beyond the doubles, shown")  << QStringList{"1e-300", "0", "1e10", "0", "1", "1"} << "1"   << "1E+310" << "";
    QTest::newRow("unchecked X overflows")        << QStringList{beyondBounds, "0", "1e10", "0", "1", "1"} << "1" << "old" << tooLarge(a1) + yWasOne;
    QTest::newRow("a misread box named first")    << QStringList{"1,000", "1", "1", "1", "1", "3"}     << "old" << "old" << a1 + " was read as 1, not as typed. " + noSolution + neither;
    QTest::newRow("X + Y = 3, 2X + 2Y = 6")       << QStringList{"1", "1", "3", "2", "2", "6"}         << "old" << "old" << "Infinitely many solutions: X = 3 \u2212 Y, for any Y." + neither;
    QTest::newRow("X determined, Y anything")     << QStringList{"1", "0", "2", "2", "0", "4"}         << "old" << "2"   << "Infinitely many solutions: X = 2; Y can be any number. X = 2 is shown; the Y box keeps its earlier text.";
    QTest::newRow("Y determined, X anything")     << QStringList{"0", "1", "2", "0", "2", "4"}         << "2"   << "old" << "Infinitely many solutions: Y = 2; X can be any number. Y = 2 is shown; the X box keeps its earlier text.";
    QTest::newRow("an equation impossible alone") << QStringList{"0", "0", "1", "1", "1", "3"}         << "old" << "old" << "No solution: equation 1 reads 0 = 1." + neither;
    QTest::newRow("a misread c1 marks both")      << QStringList{"2", "3", "8x", "1", "1", "3"}        << "2"   << "1"   << "";
    QTest::newRow("beyond the bounds by exponent") << QStringList{"1e-1001", "1", "1", "0", "1", "1"}  << "old" << "old" << dividesByZero(a1) + neither;
    // clang-format on
}

void TestWindow::calculates()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, y);
    QFETCH(QString, x);
    QFETCH(QString, report);

    typeCoefficients(coefficients);
    box("txtRes")->setText("old");
    box("txtRes2")->setText("old");
    click("cmdCalc");

    QCOMPARE(box("txtRes")->text(), y);
    QCOMPARE(box("txtRes2")->text(), x);
    QCOMPARE(m_reports, report.isEmpty() ? QStringList{} : QStringList{report});
    bool misread = false;
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(box(coefficientBoxes[i])->text(), coefficients.at(i));
        misread |=
            !m_window->findChild<CoefficientBox *>(coefficientBoxes[i])->misreadValue().isEmpty();
    }
    // A result from a coefficient not read as typed is marked, its note naming that first.
    for (auto *result :
         {qobject_cast<ResultBox *>(box("txtRes")), qobject_cast<ResultBox *>(box("txtRes2"))}) {
        if (result->holdsResult()) {
            QCOMPARE(result->marked(), misread);
            QCOMPARE(result->accessibleDescription().contains(
                         ". c1 (right-hand side of equation 1) was read as 8, not as typed."),
                     misread);
        }
    }
}

void TestWindow::altWithoutAccessKeyTypesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("key"); // its text
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("Alt+B in a coefficient box")  << "txt1X"  << int(Qt::AltModifier)                       << "b" << "5";
    QTest::newRow("Alt+Q in a result box")       << "txtRes" << int(Qt::AltModifier)                       << "q" << "5";
    QTest::newRow("AltGr as Ctrl+Alt types")     << "txt1X"  << int(Qt::ControlModifier | Qt::AltModifier) << "@" << "5@";
    QTest::newRow("AltGr as group switch types") << "txt2Y"  << int(Qt::GroupSwitchModifier)               << "@" << "5@";
    // clang-format on
}

void TestWindow::altWithoutAccessKeyTypesNothing()
{
    QFETCH(QString, name);
    QFETCH(int, modifiers);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    type(qPrintable(name), "5");
    QTest::sendKeyEvent(QTest::Click, box(qPrintable(name)), Qt::Key(key.at(0).toUpper().unicode()),
                        key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box(qPrintable(name))->text(), expected);
}

// Run by CTest with LANGUAGE=en:de: English, the first of the user's languages, wins.
void TestWindow::englishFirstKeepsEnglish()
{
    if (qgetenv("LANGUAGE") != "en:de")
        QSKIP("for LANGUAGE=en:de");
    QVERIFY(QLocale::system().uiLanguages().join(' ').contains("de"));
    QVERIFY(!installTranslations().program);
}

void TestWindow::calculateKeys_data()
{
    QTest::addColumn<int>("key"); // on the focused button; 0: Alt+A wherever the focus is
    // clang-format off
    QTest::newRow("Alt+A")                       << 0;
    QTest::newRow("space on the focused button") << int(Qt::Key_Space);
    QTest::newRow("Enter on the focused button") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter on the button")  << int(Qt::Key_Enter);
    // clang-format on
}

void TestWindow::calculateKeys()
{
    QFETCH(int, key);
    typeCoefficients({"1", "2", "4", "3", "-1", "5"});
    if (key != 0) {
        button("cmdCalc")->setFocus();
        // The keypad's Enter comes with the keypad modifier, as the platform sends it.
        const auto keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(button("cmdCalc"), Qt::Key(key), keypad);
    } else {
        QTest::keyClick(m_window.get(), Qt::Key_A, Qt::AltModifier);
    }
    QTRY_COMPARE(box("txtRes")->text(), QString("1"));
    QCOMPARE(box("txtRes2")->text(), QString("2"));
}

void TestWindow::resultBoxClickRecomputesOnlyItsResult_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<bool>("releasedInside");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("reports");

    // The clicked box holds "12345" before the click, the other result box "untouched".
    // clang-format off
    QTest::newRow("Y box")                              << "txtRes"  << QStringList{"2", "3", "8", "1", "1", "3"} << true  << "2"     << QStringList{};
    QTest::newRow("X box")                              << "txtRes2" << QStringList{"2", "3", "8", "1", "1", "3"} << true  << "1"     << QStringList{};
    QTest::newRow("X fails: text and caret stay")       << "txtRes2" << QStringList{"1", "1", "1", "2", "2", "3"} << true  << "12345" << QStringList{noSolution + xAlone};
    QTest::newRow("X box, X fixed: X alone")            << "txtRes2" << QStringList{"1", "0", "2", "2", "0", "4"} << true  << "2"     << QStringList{};
    QTest::newRow("Y box, X fixed: nothing written")    << "txtRes"  << QStringList{"1", "0", "2", "2", "0", "4"} << true  << "12345" << QStringList{"Infinitely many solutions: X = 2; Y can be any number. Y could not be computed; its box keeps its earlier value."};
    QTest::newRow("Y box, Y fixed: Y alone")            << "txtRes"  << QStringList{"0", "1", "2", "0", "2", "4"} << true  << "2"     << QStringList{};
    QTest::newRow("X box, Y fixed: nothing written")    << "txtRes2" << QStringList{"0", "1", "2", "0", "2", "4"} << true  << "12345" << QStringList{"Infinitely many solutions: Y = 2; X can be any number." + xAlone};
    QTest::newRow("released outside the box: no click") << "txtRes"  << QStringList{"2", "3", "8", "1", "1", "3"} << false << "12345" << QStringList{};
    // clang-format on
}

// The press still reaches the box: it takes the focus, and where no result is written the caret
// stays where the user pressed.
void TestWindow::resultBoxClickRecomputesOnlyItsResult()
{
    QFETCH(QString, clicked);
    QFETCH(QStringList, coefficients);
    QFETCH(bool, releasedInside);
    QFETCH(QString, expected);
    QFETCH(QStringList, reports);
    typeCoefficients(coefficients);
    QLineEdit *target = box(qPrintable(clicked));
    QLineEdit *other = box(clicked == "txtRes" ? "txtRes2" : "txtRes");
    target->setText("12345");
    other->setText("untouched");
    target->repaint(); // lays the text out, so positions map to characters as the user sees them

    const QPoint press(target->width() * 3 / 5, target->height() / 2);
    const int caretAtPress = target->cursorPositionAt(press);
    QVERIFY(caretAtPress > 0 && caretAtPress < 5);
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier,
                        releasedInside ? press : QPoint(-10, press.y()));

    QCOMPARE(target->text(), expected);
    QCOMPARE(other->text(), QString("untouched"));
    QCOMPARE(m_reports, reports);
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->cursorPosition(), expected == "12345" ? caretAtPress : 0);
}

void TestWindow::showsWholeResultFromItsStart_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wide"); // wider than its box: rounded to fit while it has no focus
    QTest::addColumn<QString>("fraction"); // drawn instead, being exact and fitting; "" none

    // clang-format off
    QTest::newRow("Calculate: X of 3X = 1")          << "cmdCalc" << QStringList{"3", "0", "1", "0", "7", "1"}                 << "txtRes2" << "0.333333333333333"     << true  << "1/3";
    QTest::newRow("Calculate: Y of 7Y = 1")          << "cmdCalc" << QStringList{"3", "0", "1", "0", "7", "1"}                 << "txtRes"  << "0.142857142857143"     << true  << "1/7";
    QTest::newRow("Calculate: long fraction rounded") << "cmdCalc" << QStringList{"3", "0", "1", "0", "7", "1000.00001"}       << "txtRes"  << "142.857144285714"<< true  << "";
    QTest::newRow("Calculate: units kept in sight")  << "cmdCalc" << QStringList{"3", "0", "1", "0", "7", "864197.5"}          << "txtRes"  << "123456.785714286"      << true  << "";
    QTest::newRow("Calculate: large X, exponent")    << "cmdCalc" << QStringList{"1", "0", "123456789012345678", "0", "1", "1"} << "txtRes2" << "1.23456789012346E+17" << true  << "";
    QTest::newRow("Calculate: tiny negative X")      << "cmdCalc" << QStringList{"1", "0", "-7.89491928622333E-16", "0", "1", "1"} << "txtRes2" << "-7.89491928622333E-16" << true << "";
    QTest::newRow("Calculate: twelve-digit Y")       << "cmdCalc" << QStringList{"1", "0", "1", "0", "1", "-123456789012"}     << "txtRes"  << "-123456789012"         << true  << "";
    QTest::newRow("Y box click: Y of 7Y = 1")        << "txtRes"  << QStringList{"3", "0", "1", "0", "7", "1"}                 << "txtRes"  << "0.142857142857143"     << true  << "1/7";
    QTest::newRow("X box click: sign and exponent")  << "txtRes2" << QStringList{"1", "0", "-1234567890123456", "0", "1", "1"} << "txtRes2" << "-1.23456789012346E+15" << true  << "";
    QTest::newRow("Calculate: short X has no tip")   << "cmdCalc" << QStringList{"2", "3", "8", "1", "1", "3"}                 << "txtRes2" << "1"                     << false << "";
    QTest::newRow("X box click: short X has no tip") << "txtRes2" << QStringList{"2", "3", "8", "1", "1", "3"}                 << "txtRes2" << "1"                     << false << "";
    // clang-format on
}

// A result is shown from its first character, whether or not its box has the focus; one too wide
// for its box can be read whole in the box's tooltip. With the focus the box draws its text;
// without, a wide result is drawn as its exact fraction where that is short and fits, else
// rounded to the digits that fit, keeping its sign, first digit and exponent (rounded to a whole
// number, it takes the exponent form); its text stays whole, and Ctrl+A, Ctrl+C copy all of it.
void TestWindow::showsWholeResultFromItsStart()
{
    QFETCH(QString, clicked);
    QFETCH(QStringList, coefficients);
    QFETCH(QString, result);
    QFETCH(QString, text);
    QFETCH(bool, wide);
    QFETCH(QString, fraction);
    typeCoefficients(coefficients);
    auto *shown = qobject_cast<ResultBox *>(box(qPrintable(result)));
    shown->setText(QString(40, QLatin1Char('8'))); // a wide text first: its tip must not stay
    click(qPrintable(clicked));
    QCOMPARE(shown->text(), text);
    QCOMPARE(shown->cursorPosition(), 0);
    // After what the window knows of the value, if anything ("Exactly 1/3.").
    QCOMPARE(shown->toolTip().endsWith(text), wide);

    shown->setFocus();
    const QString drawnFocused = shown->shownText();
    QTest::keyClick(shown, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(shown, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    button("cmdCalc")->setFocus();
    const QString drawn = shown->shownText();
    QCOMPARE(drawnFocused, text); // with the focus, what it holds and what Ctrl+C copies
    const QFontMetrics metrics(shown->font());
    const int room = shown->contentsRect().width() - 4; // less the frame's inner margins
    QCOMPARE(metrics.horizontalAdvance(text) > room, wide);
    if (!wide) {
        QCOMPARE(drawn, text);
        return;
    }
    QVERIFY2(metrics.horizontalAdvance(drawn) <= room, qPrintable(drawn));
    if (!fraction.isEmpty()) {
        QCOMPARE(drawn, fraction);
        return;
    }
    QVERIFY2(drawn.contains(QChar(0x2026)), qPrintable(drawn));
    QCOMPARE(drawn.at(0), text.at(0));
    const qsizetype e = text.indexOf('E');
    if (e >= 0)
        QVERIFY2(drawn.endsWith(text.mid(e)), qPrintable(drawn));
    // "1.2…E+11" or "123.4…", never "123…" hiding where its units are.
    QVERIFY2(drawn.contains('E') || drawn.contains('.'), qPrintable(drawn));
    // The digits drawn are the text's number rounded to as many significant digits.
    QString number = drawn;
    number.remove(QChar(0x2026));
    QString mantissa = number.left(number.indexOf('E') < 0 ? number.size() : number.indexOf('E'));
    mantissa.remove('-').remove('.');
    while (mantissa.startsWith('0'))
        mantissa.remove(0, 1);
    const QString expected = QString::number(text.toDouble(), 'g', int(mantissa.size()));
    QCOMPARE(number.toDouble(), expected.toDouble());
}

void TestWindow::showsStartWhenFocusMoves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("move");
    QTest::addColumn<bool>("atStart"); // the cursor, and so the view, at the text's start

    const QString digits = "1234567890123456789";
    // clang-format off
    QTest::newRow("coefficient: Tab out")               << "txt1X"   << digits                 << "tab out"    << true;
    QTest::newRow("coefficient: click out")             << "txtAns1" << digits                 << "click out"  << true;
    QTest::newRow("coefficient: context menu")          << "txt2Y"   << digits                 << "menu"       << false;
    QTest::newRow("coefficient: markup shown as typed") << "txt1Y"   << "<b>" + digits + "</b>" << "tab out"    << true;
    QTest::newRow("result: Tab in")                     << "txtRes"  << digits                 << "tab in"     << true;
    QTest::newRow("result: Backtab in")                 << "txtRes2" << digits                 << "backtab in" << true;
    // clang-format on
}

// A box without the focus shows its text from the start; Tab into a box selects the whole text
// and shows its start. A context menu takes the focus only for a while: the cursor stays, so
// its Paste lands where it was. A text too wide ends its tooltip, whole and as typed (after what
// the box says of how it was read).
void TestWindow::showsStartWhenFocusMoves()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, move);
    QFETCH(bool, atStart);
    QLineEdit *b = box(qPrintable(name));
    if (move == "tab in" || move == "backtab in") {
        b->setText(text);
        QWidget *before = move == "tab in" ? static_cast<QWidget *>(button("cmdCalc"))
                                           : static_cast<QWidget *>(box("txtRes2"));
        if (move == "backtab in")
            before = button("Command1");
        before->setFocus();
        QTest::keyClick(before, move == "tab in" ? Qt::Key_Tab : Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), b);
        QCOMPARE(b->selectedText(), text);
    } else {
        type(qPrintable(name), text);
        QCOMPARE(b->cursorPosition(), text.size());
        if (move == "tab out") {
            QTest::keyClick(b, Qt::Key_Tab);
        } else if (move == "click out") {
            click("txt1X");
        } else {
            QTimer::singleShot(0, this, [] {
                if (QWidget *menu = QApplication::activePopupWidget())
                    menu->close();
            });
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, b->rect().center(),
                                   b->mapToGlobal(b->rect().center()));
            QApplication::sendEvent(b, &menu);
        }
    }
    QCOMPARE(b->cursorPosition(), atStart ? 0 : text.size());
    QTextDocument tip;
    tip.setHtml(b->toolTip());
    const QString plain = Qt::mightBeRichText(b->toolTip()) ? tip.toPlainText() : b->toolTip();
    QVERIFY2(plain.endsWith(text), qPrintable(plain));
}

void TestWindow::notesTheExactValue_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("note");

    const QString exact = "This is the exact answer.\n";
    const QString floating =
        "A calculator working through the same formula in floating point would ";
    const QString rounded = "Rounded to 15 significant digits; the exact answer is ";
    // clang-format off
    QTest::newRow("3X = 1: X is 1/3")                << QStringList{"3", "0", "1", "0", "7", "1"}                         << "txtRes2" << "0.333333333333333"  << rounded + "1/3.";
    QTest::newRow("X + 3Y = 7, 9X + 3Y = 7")         << QStringList{"1", "3", "7", "9", "3", "7"}                         << "txtRes2" << "0"                  << exact + floating + "give \u22127.89491928622333E\u221216.";
    QTest::newRow("nearly parallel decimals")        << QStringList{"0.1", "0.2", "0.3", "0.2", "0.4000001", "0.6000001"} << "txtRes"  << "1"                  << exact + floating + "give ";
    QTest::newRow("2X - 10Y = 19, -13X + 11Y = -17") << QStringList{"2", "-10", "19", "-13", "11", "-17"}                 << "txtRes2" << "-0.361111111111111" << rounded + "\u221213/36.\n" + floating + "give \u22120.361111111111112.";
    QTest::newRow("7X - 5Y = -11, 5X = 0")           << QStringList{"7", "-5", "-11", "5", "0", "0"}                      << "txtRes2" << "0"                  << exact + floating + "give 2.03012210217171E\u221216.";
    QTest::newRow("tenths: X = -1")                  << QStringList{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6"}             << "txtRes2" << "-1"                 << exact + floating + "give \u22120.999999999999999.";
    QTest::newRow("-X - 15Y = -4, 13X + 3Y = -10")   << QStringList{"-1", "-15", "-4", "13", "3", "-10"}                  << "txtRes2" << "-0.84375"           << exact + floating + "give \u22120.843750000000001.";
    QTest::newRow("the doubles lose every digit")    << QStringList{"1", "1", "2", "1", "1.0000000000000003", "2.0000000000000002"} << "txtRes2" << "1.33333333333333" << rounded + "4/3.\n" + floating + "give 2.";
    QTest::newRow("a teacher's 1 and 1")             << QStringList{"1", "1", "2", "1", "1.000000000000001", "2.000000000000001"} << "txtRes" << "1"               << exact + floating + "give 0.8.";
    QTest::newRow("a short decimal, not a fraction") << QStringList{"2", "0", "-4.00000000000001", "0", "1", "1"}         << "txtRes2" << "-2.00000000000001"  << rounded + "\u22122.000000000000005.";
    QTest::newRow("the doubles divide by zero")      << QStringList{"1", "1", "2", "1", "1.0000000000000001", "2"}        << "txtRes"  << "0"                  << exact + floating + "divide by zero.";
    QTest::newRow("products underflow")              << QStringList{"1E-170", "0", "1E-170", "0", "1E-170", "2E-170"}    << "txtRes"  << "2"                  << exact + floating + "divide by zero.";
    QTest::newRow("1E400 is no double")              << QStringList{"1E400", "0", "1E400", "1", "1", "3"}                << "txtRes2" << "1"                  << exact + "A calculator working in floating point could not even hold a coefficient: it is too large for it.";
    QTest::newRow("an exact 1E-400")                 << QStringList{"1E200", "0", "1E-200", "0", "1", "1"}               << "txtRes2" << "1E-400"             << exact + floating + "give 0.";
    QTest::newRow("past the exact bounds")           << QStringList{beyondBounds, "0", "1e-300", "0", "1", "1"}           << "txtRes2" << "1"                  << "Worked out by a calculator's floating-point arithmetic through the same formula, and not checked";
    // clang-format on
}

// A result whose text is not the exact solution, or whose double steps give another text, says
// so in its tooltip (the note, then the value on a line of its own), its accessible description
// and its What's This; typing into the box takes the note away, as does a change of the
// equations (the result is then from earlier equations).
void TestWindow::notesTheExactValue()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, note);
    typeCoefficients(coefficients);
    click("cmdCalc");
    QLineEdit *b = box(qPrintable(name));
    QCOMPARE(b->text(), text);
    QVERIFY2(b->toolTip().startsWith(note), qPrintable(b->toolTip()));
    QVERIFY2(b->toolTip().endsWith("\nIn the box: " + text), qPrintable(b->toolTip()));
    // The description says the same, a sentence after another.
    const QString said = QString(note).replace('\n', ' ');
    QVERIFY2(b->accessibleDescription().contains(said), qPrintable(b->accessibleDescription()));
    QVERIFY2(b->whatsThis().startsWith(note), qPrintable(b->whatsThis()));
    type(qPrintable(name), "5");
    QVERIFY2(!b->toolTip().contains(note), qPrintable(b->toolTip()));
    QVERIFY2(!b->accessibleDescription().contains(said), qPrintable(b->accessibleDescription()));
    click("cmdCalc");
    type("txt1X", "9");
    QVERIFY2(!b->toolTip().contains(note), qPrintable(b->toolTip()));
    QVERIFY2(!b->accessibleDescription().contains(said), qPrintable(b->accessibleDescription()));
}

void TestWindow::marksResultsFromEarlierEquations_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("yStale");
    QTest::addColumn<bool>("xStale");

    // Each row starts from 2X + 3Y = 8, X + Y = 3 calculated: Y = 2, X = 1, both current.
    // clang-format off
    QTest::newRow("a coefficient edited")           << "edit"           << true  << true;
    QTest::newRow("edited back as it was")          << "edit back"      << false << false;
    QTest::newRow("Y shown, X fails")               << "X fails"        << false << true;
    QTest::newRow("both fail")                      << "both fail"      << true  << true;
    QTest::newRow("edited, then calculated")        << "edit, calc"     << false << false;
    QTest::newRow("edited, then Y box clicked")     << "edit, Y click"  << false << true;
    QTest::newRow("edited, then typed into Y")      << "edit, type Y"   << false << true;
    QTest::newRow("both failed, then typed into Y") << "both fail, type Y" << false << true;
    QTest::newRow("both failed, then typed back")   << "both fail, back" << false << false;
    QTest::newRow("a2 1 as 1.0: one value")         << "a2 as 1.0"      << false << false;
    QTest::newRow("a2 1 as 1/1: one value")         << "a2 as 1/1"      << false << false;
    QTest::newRow("a2 1 as blanked 1: one value")   << "a2 as  1 "      << false << false;
    QTest::newRow("b1 3 as 3x: only the mark")      << "b1 as 3x"       << false << false;
    QTest::newRow("a2 1 as 2: a change")            << "a2 as 2"        << true  << true;
    // clang-format on
}

// A result is drawn as current exactly while the coefficients are those it was computed from
// (a failure since changes nothing of that); otherwise in italics, in a dimmed colour that stays
// legible, with a note that says it comes from earlier equations.
void TestWindow::marksResultsFromEarlierEquations()
{
    QFETCH(QString, action);
    QFETCH(bool, yStale);
    QFETCH(bool, xStale);
    typeCoefficients({"2", "3", "8", "1", "1", "3"});
    click("cmdCalc");
    const QColor normal = box("txtRes")->palette().color(QPalette::Text);
    if (action.startsWith("edit"))
        type("txt1X", "4");
    if (action == "edit back")
        type("txt1X", "2");
    if (action == "X fails")
        typeCoefficients({beyondBounds, "0", "1e10", "0", "1", "1"});
    if (action.startsWith("both fail"))
        typeCoefficients({"2", "3", "8", "2", "3", "3"});
    if (action.startsWith("a2 as ") || action.startsWith("b1 as "))
        type(action.startsWith("a2") ? "txt2X" : "txt1Y", action.mid(6));
    if (action == "edit, calc")
        click("cmdCalc");
    if (action == "edit, Y click")
        click("txtRes");
    if (action == "edit, type Y")
        type("txtRes", "5");
    if (action == "X fails" || action.startsWith("both fail"))
        click("cmdCalc");
    if (action == "both fail, type Y")
        type("txtRes", "5");
    if (action == "both fail, back")
        typeCoefficients({"2", "3", "8", "1", "1", "3"});

    for (auto [name, stale] : {std::pair("txtRes", yStale), std::pair("txtRes2", xStale)}) {
        QLineEdit *b = box(name);
        const QString which = QString("%1 (%2)").arg(name, b->text());
        QVERIFY2(b->font().italic() == stale && b->font().strikeOut() == stale, qPrintable(which));
        QVERIFY2(b->accessibleDescription().contains("From earlier equations.") == stale,
                 qPrintable(which));
        QVERIFY2(b->toolTip().startsWith("From earlier equations.") == stale, qPrintable(which));
        const QColor text = b->palette().color(QPalette::Text);
        const QColor base = b->palette().color(QPalette::Base);
        QVERIFY2((text != normal) == stale, qPrintable(which));
        QVERIFY2(contrastRatio(text, base) >= std::min(4.5, contrastRatio(normal, base)),
                 qPrintable(which));
    }
}

namespace {

// What the window asks screen readers to say, as Qt's platform bridge would receive it: the
// message of each announcement (Qt 6.8 or later), or the text of each notification object shown
// (older Qt). While a Listener lives, the platform's accessibility counts as in use, as when a
// screen reader runs (Qt sends nothing otherwise), and every event goes to the listener instead
// of the bridge.
QStringList heard;

void hear(QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        heard.append(static_cast<QAccessibleAnnouncementEvent *>(event)->message());
#else
    QAccessibleInterface *object = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && object &&
        object->role() == QAccessible::Notification)
        heard.append(object->text(QAccessible::Name));
#endif
}

class Listener
{
public:
    explicit Listener(QAccessible::UpdateHandler handler = &hear)
        : m_platform(QGuiApplicationPrivate::platformIntegration()->accessibility()),
          m_before(QAccessible::installUpdateHandler(handler)), m_wasActive(m_platform->isActive())
    {
        heard.clear();
        m_platform->setActive(true);
    }
    ~Listener()
    {
        m_platform->setActive(m_wasActive);
        QAccessible::installUpdateHandler(m_before);
    }
    Listener(const Listener &) = delete;
    Listener &operator=(const Listener &) = delete;

private:
    QPlatformAccessibility *m_platform;
    QAccessible::UpdateHandler m_before;
    bool m_wasActive;
};

} // namespace

void TestWindow::speaksWrittenResults_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("spoken");

    const QStringList solvable = {"3", "0", "1", "0", "7", "1"};
    // clang-format off
    QTest::newRow("Calculate: both results")  << solvable                                          << "cmdCalc" << QStringList{"Y = 0.142857142857143, X = 0.333333333333333"};
    QTest::newRow("Y box click: Y")           << solvable                                          << "txtRes"  << QStringList{"Y = 0.142857142857143"};
    QTest::newRow("X box click: X")           << solvable                                          << "txtRes2" << QStringList{"X = 0.333333333333333"};
    QTest::newRow("Y shown, X fails: nothing") << QStringList{beyondBounds, "0", "1e10", "0", "1", "1"} << "cmdCalc" << QStringList{};
    QTest::newRow("both fail: nothing")       << QStringList{"1", "1", "1", "2", "2", "3"}        << "cmdCalc" << QStringList{};
    QTest::newRow("typing alone: nothing")    << solvable                                          << ""        << QStringList{};
    QTest::newRow("misread boxes named after") << QStringList{"1,5", "1", "1", "1", "1", "3x"}     << "cmdCalc" << QStringList{"Y = 7, X = \u22124; " + a1 + " read as 1.5, c2 (right-hand side of equation 2) read as 3"};
    // clang-format on
}

// The results a handler writes go into boxes without the focus, so they are announced to a
// screen reader, once, in the order they were computed; a failure's message box speaks instead,
// and typing is spoken by the screen reader itself.
void TestWindow::speaksWrittenResults()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, clicked);
    QFETCH(QStringList, spoken);
    const Listener listener;
    typeCoefficients(coefficients);
    if (!clicked.isEmpty())
        click(qPrintable(clicked));
    QCOMPARE(heard, spoken);
    QCOMPARE(m_reports.isEmpty(), !spoken.isEmpty() || clicked.isEmpty());
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // The notification object hides and forgets its text soon after, so nothing stale is read
    // later.
    if (QTest::currentDataTag() == QByteArray("Calculate: both results")) {
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(m_window.get());
        QAccessibleInterface *notification = frame->child(frame->childCount() - 1);
        QCOMPARE(notification->role(), QAccessible::Notification);
        QTRY_VERIFY_WITH_TIMEOUT(notification->state().invisible, 5000);
        QCOMPARE(notification->text(QAccessible::Name), QString());
    }
#endif
}

void TestWindow::resultBoxStaysEditable()
{
    typeCoefficients({"2", "3", "8", "1", "1", "3"});
    click("txtRes");
    QCOMPARE(box("txtRes")->text(), QString("2"));
    // The result is shown from its start, so the caret stands before it.
    QTest::keyClicks(box("txtRes"), "7");
    QCOMPARE(box("txtRes")->text(), QString("72"));
    // Typed, it is no result: described so, and drawn dimmed once the box has no focus.
    const QColor normal = box("txtRes")->palette().color(QPalette::Text);
    button("cmdCalc")->setFocus();
    const QString description = box("txtRes")->accessibleDescription();
    QVERIFY2(description == "Typed here, not computed: Calculate (Alt+A) computes Y.",
             qPrintable(description));
    QVERIFY2(box("txtRes")->toolTip().contains("Typed: 72"), qPrintable(box("txtRes")->toolTip()));
    QVERIFY(box("txtRes")->palette().color(QPalette::Text) != normal);
    // A changed coefficient shows in Y only; X keeps what it had.
    click("cmdCalc");
    type("txtAns1", "13");
    click("txtRes");
    QCOMPARE(box("txtRes")->text(), QString("7"));
    QCOMPARE(box("txtRes2")->text(), QString("1"));
}

void TestWindow::enterAndEscapeStartNothing()
{
    typeCoefficients({"2", "3", "8", "1", "1", "3"});
    QTest::keyClick(box("txtAns2"), Qt::Key_Return);
    QTest::keyClick(box("txtAns2"), Qt::Key_Enter);
    QTest::keyClick(box("txtAns2"), Qt::Key_Escape);
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QVERIFY(!button("cmdCalc")->isDefault() && !button("cmdCalc")->autoDefault());
    QVERIFY(!button("Command1")->isDefault() && !button("Command1")->autoDefault());
    QCOMPARE(box("txtRes")->text(), QString());
    QCOMPARE(box("txtRes2")->text(), QString());
}

void TestWindow::exitKeys_data()
{
    QTest::addColumn<int>("way");
    // clang-format off
    QTest::newRow("mouse click")                 << 0;
    QTest::newRow("Alt+X")                       << 1;
    QTest::newRow("space on the focused button") << 2;
    QTest::newRow("Enter on the focused button") << 3;
    // clang-format on
}

// Exit ends the program's event loop with status 0, however it is pressed.
void TestWindow::exitKeys()
{
    QFETCH(int, way);
    type("txt1X", "5");
    QTimer::singleShot(0, this, [&] {
        if (way == 0) {
            click("Command1");
        } else if (way == 1) {
            QTest::keyClick(m_window.get(), Qt::Key_X, Qt::AltModifier);
        } else {
            button("Command1")->setFocus();
            QTest::keyClick(button("Command1"), way == 2 ? Qt::Key_Space : Qt::Key_Return);
        }
    });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    failsafe.start(10000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_reports.isEmpty());
}

// The real warning box: titled, with a warning icon and one OK button; after OK the window goes
// on working with everything the user typed.
void TestWindow::failureShowsWarningBoxAndKeepsRunning()
{
    m_window->setErrorReporter(&frmTarnyxEquations::showErrorBox);
    typeCoefficients({"1", "1", "1", "2", "2", "3"});

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer::singleShot(0, this, [&] {
        auto *boxShown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boxShown)
            return;
        title = boxShown->windowTitle();
        text = boxShown->text();
        icon = boxShown->icon();
        buttons = boxShown->buttons().size();
        QTest::mouseClick(boxShown->button(QMessageBox::Ok), Qt::LeftButton);
    });
    click("cmdCalc");

    QCOMPARE(title, QString("TARNYX EQUATIONS"));
    QCOMPARE(text, noSolution + " Neither result could be computed."); // the boxes hold nothing
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, 1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(box("txtAns2")->text(), QString("3"));

    m_window->setErrorReporter([this](QWidget *, const QString &m) { m_reports.append(m); });
    type("txtAns2", "2.5");
    type("txt2Y", "3");
    click("cmdCalc");
    QCOMPARE(box("txtRes")->text(), QString("0.5"));
    QCOMPARE(box("txtRes2")->text(), QString("0.5"));
}

void TestWindow::convertsVeryLongText()
{
    const QString longNumber = "2" + QString(100000, QLatin1Char(' '));
    typeCoefficients({"1", "1", "3", "1", "-1", "1"});
    box("txtAns1")->setText(longNumber);
    QCOMPARE(box("txtAns1")->text().size(), longNumber.size());
    click("cmdCalc");
    QCOMPARE(box("txtRes")->text(), QString("0.5"));
    QCOMPARE(box("txtRes2")->text(), QString("1.5"));
}

// A comma-decimal locale changes neither how a box is read nor how a result is written: a comma
// or a period is a decimal mark whatever the locale, and results are written with a period.
namespace {

// What a language's Qt Linguist file says for a source text (empty where it has none), read from
// the file itself, not through the translator the program uses.
QString tsTranslation(const QString &language, const QString &source)
{
    QFile file(QStringLiteral(TARNYX_SOURCE_DIR "/translations/tarnyx_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QString lastSource;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source"))
            lastSource = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && lastSource == source)
            return xml.readElementText();
    }
    return {};
}

} // namespace

void TestWindow::speaksTheUserLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language"); // its translation file; "" for English
    QTest::addColumn<QString>("qtWord");   // in Qt's own words in the window; "" none to check

    // clang-format off
    QTest::newRow("C")       << "C"     << "" << "";
    QTest::newRow("C session") << "C session" << "" << ""; // LC_ALL=C: a C locale that groups
    QTest::newRow("English") << "en_US" << "" << "";
    // clang-format on
    // Each language the window is translated into, with a word of Qt's own in it.
    const QHash<QString, QString> qtWords = {
        {"de", "R\u00FCckg\u00E4ngig"}, {"fr", "Annuler"}, {"es", "Aceptar"}};
    for (const QString &language : QString(TARNYX_LANGUAGES).split(' ')) {
        QTest::newRow(qPrintable(QLocale::languageToString(QLocale(language).language())))
            << QLocale(language).name() << language << qtWords.value(language, "?");
    }
}

// The window follows the user's language: its words, Qt's own words in it, and numbers written
// with the locale's decimal mark; reading takes either mark, and tells the one that is not the
// user's. A copied result pasted into a coefficient box reads back as the same value.
void TestWindow::speaksTheUserLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, qtWord);
    QLocale user(locale == "C session" ? "C" : locale);
    if (locale == "C session") // as QLocale::system() is in a C session, unlike QLocale::c()
        user.setNumberOptions(QLocale::DefaultNumberOptions);
    const InstalledTranslations installed = installTranslations(user);
    QLocale::setDefault(user);
    const auto english = qScopeGuard([] {
        installTranslations(QLocale::c());
        QLocale::setDefault(QLocale::c());
    });
    QCOMPARE(installed.program, !language.isEmpty());
    init(); // a window made in the user's language

    const QString calculate =
        language.isEmpty() ? "C&alculate" : tsTranslation(language, "C&alculate");
    QCOMPARE(button("cmdCalc")->text(), calculate);
    typeCoefficients({"2", "0", "1,5", "0", "4", "1.5"});
    // The Calculate button's access key, as its caption in this language gives it.
    QTest::keyClick(m_window.get(), QKeySequence::mnemonic(calculate)[0].key(), Qt::AltModifier);
    const QString mark = user.decimalPoint() == "," ? "," : ".";
    QTRY_COMPARE(box("txtRes")->text(), "0" + mark + "375");
    QCOMPARE(box("txtRes2")->text(), "0" + mark + "75");
    auto *comma = m_window->findChild<CoefficientBox *>("txtAns1");
    auto *period = m_window->findChild<CoefficientBox *>("txtAns2");
    QCOMPARE(comma->misreadValue().isEmpty(), mark == ",");
    QCOMPARE(period->misreadValue().isEmpty(), mark == ".");
    // The working, in this language and number format.
    QTest::keyClick(box("txt1X"), Qt::Key_F1);
    auto *working = m_window->findChild<QPlainTextEdit *>("workingText");
    const QString answerSaid =
        language.isEmpty() ? "The answer:" : tsTranslation(language, "The answer:");
    QVERIFY(working->toPlainText().contains(answerSaid + "\nX = 0" + mark + "75\nY = 0" + mark +
                                            "375"));
    QTest::keyClick(working, Qt::Key_Escape);

    // Copied and pasted, a result reads back as the same value, as typed.
    box("txtRes")->selectAll();
    QTest::keyClick(box("txtRes"), Qt::Key_C, Qt::ControlModifier);
    click("txt1X");
    box("txt1X")->selectAll();
    QTest::keyClick(box("txt1X"), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box("txt1X"), Qt::Key_Tab);
    QCOMPARE(truth::read(box("txt1X")->text().toStdString()), truth::Rational(3, 8));
    QVERIFY(m_window->findChild<CoefficientBox *>("txt1X")->misreadValue().isEmpty());

    // A thousand with the user's group separator reads as typed; the C locale has none, so
    // there "1,000" is one, with a decimal comma.
    const bool grouping = user.language() != QLocale::C;
    typeCoefficients({"2", "3", "", "1", "1", "3"});
    box("txtAns1")->setText("1" + (grouping ? user.groupSeparator() : ",") + "000"); // not ASCII
    click("cmdCalc");
    QCOMPARE(box("txtRes")->text(), grouping ? "994" : "-5");
    QCOMPARE(box("txtRes2")->text(), grouping ? "-991" : "8");
    QCOMPARE(comma->misreadValue().isEmpty(), grouping);

    // Quotation marks of the language (the C locale's are ASCII: the window keeps its own).
    type("txtAns2", "3x");
    QTest::keyClick(box("txtAns2"), Qt::Key_Tab);
    const QString quoted = user.language() == QLocale::C ? "\u201Cx\u201D" : user.quoteString("x");
    QVERIFY2(box("txtAns2")->toolTip().contains(quoted), qPrintable(box("txtAns2")->toolTip()));

    // A failure's message, in this language.
    typeCoefficients({"1", "1", "1", "2", "2", "3"});
    click("cmdCalc");
    const QString noSolutionSaid =
        language.isEmpty() ? noSolution : tsTranslation(language, noSolution);
    QVERIFY(!noSolutionSaid.isEmpty());
    QVERIFY2(m_reports.value(0).startsWith(noSolutionSaid), qPrintable(m_reports.value(0)));

    // Qt's own words: the edit boxes' menu and the message box's button.
    if (!qtWord.isEmpty()) {
        QVERIFY(installed.qt);
        std::unique_ptr<QMenu> menu(box("txt1X")->createStandardContextMenu());
        QMessageBox message(QMessageBox::Warning, "", "", QMessageBox::Ok);
        QString words = message.button(QMessageBox::Ok)->text();
        for (const QAction *action : menu->actions())
            words += ' ' + action->text();
        QVERIFY2(words.contains(qtWord), qPrintable(words));
    }
}

// Run by CTest with LANG=en_US.UTF-8 and LC_NUMERIC=de_DE.UTF-8: English words, and separators
// by the number format (a decimal comma: items apart by "; "), counts below 10,000 ungrouped.
void TestWindow::englishWordsGermanNumbers()
{
    if (qgetenv("LC_NUMERIC") != "de_DE.UTF-8")
        QSKIP("for LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8");
    QLocale::setDefault(QLocale::system());
    const auto c = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    QVERIFY(!installTranslations().program);
    init();
    const Listener listener;
    typeCoefficients({"2", "0", "1,5", "0", "4", "1.5"});
    click("cmdCalc");
    QCOMPARE(box("txtRes")->text(), "0,375");
    QCOMPARE(heard.value(0).count("; "), 1); // between the two results; ". " after them
    QVERIFY(!heard.value(0).contains(", ") && heard.value(0).contains(". "));
    typeCoefficients({"1e1001", "1", "1", "1", "2", "3"});
    click("cmdCalc");
    QVERIFY2(m_reports.value(0).contains(" 1000 "), qPrintable(m_reports.value(0)));
}

// A regional translation is found before its language's.
void TestWindow::regionalTranslationFirst()
{
    QTemporaryDir dir;
    QVERIFY(QFile::copy(":/i18n/tarnyx_de.qm", dir.filePath("tarnyx_de.qm")) &&
            QFile::copy(":/i18n/tarnyx_fr.qm", dir.filePath("tarnyx_de_AT.qm")));
    const auto c = qScopeGuard([] { installTranslations(QLocale::c()); });
    QVERIFY(installTranslations(QLocale("de_AT"), dir.path()).program);
    QCOMPARE(QCoreApplication::translate("form", "C&alculate"), tsTranslation("fr", "C&alculate"));
    QVERIFY(installTranslations(QLocale("de_DE"), dir.path()).program);
    QCOMPARE(QCoreApplication::translate("form", "C&alculate"), tsTranslation("de", "C&alculate"));
}

// An unknown's exact value and its 15 digits, derived again: "X = 144/23 ≈ 6.26086956521739".
QString toldAgain(const char *unknown, const truth::Rational &value)
{
    QString told = unknown + QString(" = ") +
                   QString::fromStdString(numerator(value).str() + "/" + denominator(value).str()) +
                   " \u2248 " + QString::fromStdString(truth::text(value));
    return told.replace('-', QChar(0x2212));
}

// F1 and a result box's menu show the working, which a screen reader reads as text; Esc closes
// it, and Ctrl+Shift+C and its button copy both results in one line.
void TestWindow::showsTheWorking()
{
    const QStringList texts{"1/3", "1/2", "1", "1/4", "-1/5", "2"};
    typeCoefficients(texts);
    std::array<truth::Rational, 6> values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = *truth::read(texts.at(qsizetype(i)).toStdString());
    const truth::Solution solution = truth::solve(values);
    const QString answer = toldAgain("X", solution.x) + ", " + toldAgain("Y", solution.y);
    QTest::keyClick(box("txt2Y"), Qt::Key_F1);
    auto *working = m_window->findChild<QWidget *>("working");
    QVERIFY(working && working->isVisible());
    QAccessibleTextInterface *read =
        QAccessible::queryAccessibleInterface(working->findChild<QWidget *>("workingText"))
            ->textInterface();
    const QString heard = read->text(0, read->characterCount());
    QVERIFY2(heard.contains(toldAgain("X", solution.x)) &&
                 heard.contains(toldAgain("Y", solution.y)),
             qPrintable(heard));
    QTest::keyClick(working->findChild<QWidget *>("workingText"), Qt::Key_Escape);
    QVERIFY(!working->isVisible());
    QTest::keyClick(box("txt1X"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), answer);
    QGuiApplication::clipboard()->clear();
    QTimer::singleShot(0, [] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            if (auto *show = menu->findChild<QAction *>("showWorking"))
                show->trigger();
            menu->close();
        }
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(box("txtRes"), &menuKey);
    QVERIFY(working->isVisible());
    QTest::mouseClick(working->findChild<QPushButton *>("workingCopy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), answer);
}

void TestWindow::pastesMegabyteText_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QStringList>("reports");
    const int megabyte = 1 << 20;
    // clang-format off
    QTest::newRow("a megabyte of blanks before the number") << QString(megabyte - 1, QLatin1Char(' ')) + "3" << "2"   << QStringList{};
    QTest::newRow("a megabyte of digits")                   << QString(megabyte, QLatin1Char('9'))           << "old" << QStringList{tooLarge("c2 (right-hand side of equation 2)") + " Neither result could be computed; the Y box keeps its earlier value."};
    // clang-format on
}

// A huge paste is taken whole, read, and either calculated or reported; the text stays.
void TestWindow::pastesMegabyteText()
{
    QFETCH(QString, pasted);
    QFETCH(QString, y);
    QFETCH(QStringList, reports);
    typeCoefficients({"2", "3", "8", "1", "1", "1"});
    box("txtRes")->setText("old");
    QApplication::clipboard()->setText(pasted);
    click("txtAns2");
    box("txtAns2")->selectAll();
    QTest::keyClick(box("txtAns2"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box("txtAns2")->text().size(), pasted.size());
    // Its tooltip shows a few hundred characters of it, cut with "…".
    QVERIFY2(box("txtAns2")->toolTip().size() < 1000,
             qPrintable(box("txtAns2")->toolTip().left(80)));
    QVERIFY(box("txtAns2")->toolTip().endsWith(QChar(0x2026)));
    click("cmdCalc");
    QCOMPARE(box("txtRes")->text(), y);
    QCOMPARE(m_reports, reports);
    QCOMPARE(box("txtAns2")->text().size(), pasted.size());
}

void TestWindow::readsTextBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("use");  // "Tab" out of the box, or "Alt+A" with the focus in it
    QTest::addColumn<QString>("said"); // in the tooltip and the accessible description; "" none

    const QString q = "\u201C", p = "\u201D";
    // clang-format off
    QTest::newRow("letters after the number")       << "3x"                  << "Tab"   << "Read as 3. " + q + "x" + p + " is not part of the number.";
    QTest::newRow("comma as the decimal mark")      << "1,000"               << "Tab"   << "Read as 1. The comma was read as a decimal mark.";
    QTest::newRow("comma, said on Calculate")       << "3,000"               << "Alt+A" << "Read as 3. The comma was read as a decimal mark.";
    QTest::newRow("letters, said on Calculate")     << "2x"                  << "Alt+A" << "Read as 2. " + q + "x" + p + " is not part of the number.";
    QTest::newRow("comma and letters")              << "1,5 kg"              << "Tab"   << "Read as 1.5. " + q + "kg" + p + " is not part of the number. The comma was read as a decimal mark.";
    QTest::newRow("no number at all")               << "abc"                 << "Tab"   << "Read as 0: " + q + "abc" + p + " is not a number.";
    QTest::newRow("minus sign U+2212 reads as minus") << "\u22125"           << "Tab"   << "";
    QTest::newRow("no-break space groups digits")   << "1\u00a0000"          << "Tab"   << "";
    QTest::newRow("thin spaces, not in threes")     << "1\u2009000\u202F5"   << "Tab"   << "Read as 10005. The blanks inside the number are skipped.";
    QTest::newRow("second mark ends the number")    << "1,000.5"             << "Tab"   << "Read as 1. " + q + ".5" + p + " is not part of the number. The comma was read as a decimal mark.";
    QTest::newRow("exponent letter without digits") << "2e"                  << "Tab"   << "Read as 2. " + q + "e" + p + " is not part of the number.";
    QTest::newRow("digits read as one number")      << " 1 2 x y "           << "Tab"   << "Read as 12. " + q + "x y" + p + " is not part of the number. The blanks inside the number are skipped.";
    QTest::newRow("blanks read as one number")      << "1 2"                 << "Tab"   << "Read as 12. The blanks inside the number are skipped.";
    QTest::newRow("every digit read")               << "1.0000000000000001x" << "Tab"   << "Read as 1.0000000000000001. " + q + "x" + p + " is not part of the number.";
    QTest::newRow("hexadecimal read as its value")  << "&HFF h"              << "Tab"   << "Read as 255. " + q + "h" + p + " is not part of the number.";
    QTest::newRow("an unseen character named")      << "3\u200Bx"            << "Tab"   << "Read as 3. " + q + "[U+200B]x" + p + " is not part of the number.";
    QTest::newRow("a fraction partly read")         << "1,5/4x"              << "Tab"   << "Read as 3/8. " + q + "x" + p + " is not part of the number. The comma was read as a decimal mark.";
    QTest::newRow("a zero denominator ends it")     << "1/0"                 << "Tab"   << "Read as 1. " + q + "/0" + p + " is not part of the number.";
    QTest::newRow("a letter denominator ends it")   << "1/x"                 << "Alt+A" << "Read as 1. " + q + "/x" + p + " is not part of the number.";
    QTest::newRow("a second slash ends it")         << "1/2/3"               << "Tab"   << "Read as 1. " + q + "/2/3" + p + " is not part of the number.";
    QTest::newRow("a hexadecimal denominator")      << "1/&H3"               << "Tab"   << "Read as 1. " + q + "/&H3" + p + " is not part of the number.";
    QTest::newRow("a fraction read whole")          << "-2/5"                << "Tab"   << "";
    QTest::newRow("a fraction with blanks")         << " 1 / 3 "             << "Tab"   << "";
    QTest::newRow("a negative denominator")         << "3/-4"                << "Tab"   << "";
    QTest::newRow("groups of three, comma mark")    << "12 345,5"            << "Tab"   << "Read as 12345.5. The comma was read as a decimal mark.";
    QTest::newRow("point without integer digits")   << ".5"                  << "Tab"   << "";
    QTest::newRow("read whole with a point")        << "-3.75E2"             << "Tab"   << "";
    QTest::newRow("blanks between groups of three") << " 1 000 "             << "Tab"   << "";
    QTest::newRow("hexadecimal, read whole")        << "&H1F"                << "Tab"   << "";
    QTest::newRow("an exponent counted, beyond")    << "1e2000 x"            << "Tab"   << "Read as 1E+2000. " + q + "x" + p + " is not part of the number.";
    QTest::newRow("an exponent too large to count") << "1e99999999999999999999 x" << "Tab" << "Read as a number whose exponent is beyond \u00B11,000,000,000,000. " + q + "x" + p + " is not part of the number.";
    QTest::newRow("blank")                          << "   "                 << "Tab"   << "";
    // clang-format on
}

// A coefficient text not read whole, or read with a decimal comma, is read back once it is used
// (Calculate, with the focus still in its box) or its box loses the focus: the sentence is in
// its tooltip and accessible description, gives the value read, and that value reads, by the
// independent reader, as the whole text does.
void TestWindow::readsTextBack()
{
    QFETCH(QString, text);
    QFETCH(QString, use);
    QFETCH(QString, said);
    // Typed as a paste would type it (QTest types ASCII only).
    click("txt2Y");
    box("txt2Y")->selectAll();
    box("txt2Y")->insert(text);
    QVERIFY(!box("txt2Y")->accessibleDescription().contains("Read as"));
    if (use == "Tab") {
        QTest::keyClick(box("txt2Y"), Qt::Key_Tab);
    } else {
        QTest::keyClick(m_window.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(box("txt2Y")->accessibleDescription().contains("Read as"));
        QCOMPARE(QApplication::focusWidget(), box("txt2Y"));
    }
    const QString description = box("txt2Y")->accessibleDescription();
    if (said.isEmpty()) {
        QVERIFY2(!description.contains("Read as"), qPrintable(description));
        return;
    }
    QVERIFY2(description.endsWith(" " + said), qPrintable(description));
    // Seen without hovering: the box without the focus draws the value read after an arrow.
    const QString drawn = m_window->findChild<CoefficientBox *>("txt2Y")->shownText();
    QCOMPARE(drawn.startsWith(QChar(0x2192)), use == "Tab");
    QVERIFY2(box("txt2Y")->toolTip().contains(said.toHtmlEscaped()) ||
                 box("txt2Y")->toolTip().contains(said),
             qPrintable(box("txt2Y")->toolTip()));
    const QString number = said.mid(8, said.indexOf(QRegularExpression("[:.]( |$)"), 8) - 8);
    const auto shown = truth::read(number.toStdString(), truth::resultBound);
    const auto whole = truth::read(text.toStdString(), truth::resultBound);
    if (!whole) // an exponent too large to count: no value to compare
        return;
    QVERIFY(shown);
    QVERIFY2(*shown == *whole, qPrintable(number));
}

namespace {

platform::Decimal decimal(const QString &text)
{
    return platform::readDecimal(platform::scanNumber(text.toStdString()).numerator).value;
}

// A number told exactly: "p/q", or a decimal.
solver::Number numberOf(const QString &text)
{
    const QString below = text.section('/', 1);
    return {decimal(text.section('/', 0, 0)),
            below.isEmpty() ? std::nullopt : std::optional(decimal(below))};
}

// A result from its facts as the golden file writes them: the value shown, then "rounded",
// "exactly=<value>", "doubles=<value>" or "doubles=<why not>", "unchecked".
solver::Result resultOf(const QString &facts)
{
    using Outcome = solver::DoubleSteps::Outcome;
    const QStringList words = facts.split(QRegularExpression(" (?![^<]*>)")); // "<…>" is one
    solver::Result result;
    result.value = result.steps.value = decimal(words.at(0));
    for (const QString &fact : words.mid(1)) {
        const QString value = fact.section('=', 1);
        if (fact == "rounded" || fact.startsWith("exactly="))
            result.rounded = true;
        if (fact.startsWith("exactly="))
            result.exact = numberOf(value);
        if (fact == "unchecked")
            result.unchecked = true;
        if (fact.startsWith("doubles="))
            result.steps = {value == "<division by zero>" ? Outcome::DivisionByZero
                            : value == "<overflow>"       ? Outcome::Overflow
                            : value == "<unread>"         ? Outcome::Unread
                                                          : Outcome::Value,
                            value.startsWith('<') ? platform::Decimal{} : decimal(value)};
    }
    return result;
}

// Every solution from its facts: "XFromY <constant> <slope>", "YAlone <constant>" or "Any"; a
// number told rounded ends in "~".
solver::Solutions solutionsOf(const QString &facts)
{
    const QStringList words = facts.split(' ');
    const auto told = [&words](int i) {
        const QString word = words.value(i, "0");
        return solver::Told{numberOf(QString(word).remove('~')), word.endsWith('~')};
    };
    using Form = solver::Solutions::Form;
    const Form form = words.at(0) == "XFromY"   ? Form::XFromY
                      : words.at(0) == "YAlone" ? Form::YAlone
                                                : Form::Any;
    return {form, told(1), told(2)};
}

} // namespace

void TestWindow::wordsEachFact_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("facts");
    QTest::addColumn<QString>("sentence"); // a line each in a result's note

    const QString floating =
        "A calculator working through the same formula in floating point would ";
    const QString hex = "&H" + QString(2000, 'F');
    const QString many = "Infinitely many solutions: ";
    // clang-format off
    QTest::newRow("exact, the doubles agree")       << "note"      << "2"                                 << "";
    QTest::newRow("exact, the doubles differ")      << "note"      << "1 doubles=0.8"                     << "This is the exact answer.\n" + floating + "give 0.8.";
    QTest::newRow("a short exact fraction")         << "note"      << "0.333333333333333 exactly=1/3"     << "Rounded to 15 significant digits; the exact answer is 1/3.";
    QTest::newRow("a short exact decimal")          << "note"      << "-2 exactly=-2.000000000000005"     << "Rounded to 15 significant digits; the exact answer is \u22122.000000000000005.";
    QTest::newRow("rounded, long exact value")      << "note"      << "1.23456789012346E+17 rounded"      << "Rounded to 15 significant digits; the exact answer has more digits.";
    QTest::newRow("rounded, the doubles differ")    << "note"      << "-0.361111111111111 exactly=-13/36 doubles=-0.361111111111112" << "Rounded to 15 significant digits; the exact answer is \u221213/36.\n" + floating + "give \u22120.361111111111112.";
    QTest::newRow("the doubles divide by zero")     << "note"      << "0 doubles=<division by zero>"      << "This is the exact answer.\n" + floating + "divide by zero.";
    QTest::newRow("the doubles overflow")           << "note"      << "1 rounded doubles=<overflow>"      << "Rounded to 15 significant digits; the exact answer has more digits.\n" + floating + "meet a number too large for it.";
    QTest::newRow("a coefficient is no double")     << "note"      << "1 doubles=<unread>"                << "This is the exact answer.\nA calculator working in floating point could not even hold a coefficient: it is too large for it.";
    QTest::newRow("unchecked")                      << "note"      << "1 unchecked"                       << "Worked out by a calculator's floating-point arithmetic through the same formula, and not checked: " + bounds("b2") + ".";
    QTest::newRow("from earlier equations")         << "stale"     << ""                                  << "From earlier equations.";
    QTest::newRow("typed into a result box")        << "typed"     << "Y"                                 << "Typed here, not computed: Calculate (Alt+A) computes Y.";
    QTest::newRow("no solution")                    << "error"     << "<no solution>"                     << noSolution;
    QTest::newRow("beyond the bounds: overflow")    << "error"     << "<overflow>"                        << tooLarge("b2 (coefficient of Y in equation 2)");
    QTest::newRow("beyond the bounds: division")    << "error"     << "<division by zero>"                << dividesByZero("b2 (coefficient of Y in equation 2)");
    QTest::newRow("an equation impossible alone")   << "error"     << "<no solution>|2|-3/4"              << "No solution: equation 2 reads 0 = \u22123/4.";
    QTest::newRow("X from Y")                       << "solutions" << "XFromY 3 1"                        << many + "X = 3 \u2212 Y, for any Y.";
    QTest::newRow("X from Y, slope a fraction")     << "solutions" << "XFromY 1/3 -2/3"                   << many + "X = 1/3 + (2/3)Y, for any Y.";
    QTest::newRow("X from Y, no constant")          << "solutions" << "XFromY 0 2.5"                      << many + "X = \u22122.5Y, for any Y.";
    QTest::newRow("X from Y, slope with exponent")  << "solutions" << "XFromY 0 -1E+20"                   << many + "X = 1E+20\u00B7Y, for any Y.";
    QTest::newRow("X determined")                   << "solutions" << "XFromY 2 0"                        << many + "X = 2; Y can be any number.";
    QTest::newRow("Y alone, rounded")               << "solutions" << "YAlone 0.333333333333333~"         << many + "Y = 0.333333333333333; X can be any number. Its numbers are rounded to 15 significant digits.";
    QTest::newRow("any X and Y")                    << "solutions" << "Any"                               << many + "any X and Y satisfy both equations.";
    QTest::newRow("neither written, both kept")     << "neither"   << "Y,X"                               << "Neither result could be computed; both boxes keep their earlier values.";
    QTest::newRow("neither written, X kept")        << "neither"   << "X"                                 << "Neither result could be computed; the X box keeps its earlier value.";
    QTest::newRow("neither written, none kept")     << "neither"   << ""                                  << "Neither result could be computed.";
    QTest::newRow("Y written, X kept")              << "X failed"  << "Y = 1|keeps"                       << "Y = 1 was computed. X could not be computed; its box keeps its earlier value.";
    QTest::newRow("X failed, its box empty")        << "X failed"  << ""                                  << "X could not be computed.";
    QTest::newRow("a coefficient misread")          << "misread"   << "a1|1"                              << "a1 was read as 1, not as typed.";
    QTest::newRow("one result spoken")              << "spoken"    << "X = 0.5"                           << "X = 0.5";
    QTest::newRow("both results spoken")            << "spoken"    << "Y = 2|X = 1"                       << "Y = 2, X = 1";
    QTest::newRow("results and misread spoken")     << "spoken"    << "Y = 2|X = 1#a1|1#c2|3"             << "Y = 2, X = 1; a1 read as 1, c2 read as 3";
    QTest::newRow("hexadecimal too long to read")   << "read"      << hex + " h"                          << "Read as " + hex.left(120) + "\u2026. \u201Ch\u201D is not part of the number.";
    // clang-format on
}

// Each kind of sentence, worded from its facts: a result's note, a stale or typed result's, a
// failure's reason, the solutions of equations with infinitely many, what a message says of the
// boxes, a misread coefficient, what a screen reader hears, a coefficient's read-back.
void TestWindow::wordsEachFact()
{
    QFETCH(QString, kind);
    QFETCH(QString, facts);
    QFETCH(QString, sentence);
    const QStringList parts = facts.split('|');
    QString worded;
    if (kind == "note") {
        worded = Wording::resultNote(resultOf(facts), "b2").join('\n');
    } else if (kind == "stale") {
        worded = Wording::staleNote();
    } else if (kind == "typed") {
        worded = Wording::typedResultNote(facts, "Alt+A");
    } else if (kind == "error") {
        using platform::ErrorCode;
        // "<outcome>", then an impossible equation and its right side; b2 beyond the bounds.
        solver::Verdict verdict{std::nullopt, std::nullopt, std::nullopt, 4};
        if (parts.size() == 3) {
            verdict.impossibleEquation = parts.at(1).toInt();
            verdict.impossibleRightSide = numberOf(parts.at(2));
        }
        for (ErrorCode code : {ErrorCode::DivisionByZero, ErrorCode::Overflow,
                               ErrorCode::NoSolution, ErrorCode::NotUnique}) {
            if (QString::fromStdString(outcomeText(code)) == parts.at(0))
                worded = Wording::error(code, verdict);
        }
    } else if (kind == "solutions") {
        worded = Wording::error(platform::ErrorCode::NotUnique, {solutionsOf(facts), {}, {}, {}});
    } else if (kind == "neither") {
        worded = Wording::neitherComputed(facts.split(',', Qt::SkipEmptyParts));
    } else if (kind == "X failed") {
        const QStringList written =
            parts.at(0).isEmpty() ? QStringList() : QStringList{parts.at(0)};
        worded = Wording::notComputed(written, "X", parts.value(1) == "keeps");
    } else if (kind == "misread") {
        worded = Wording::misreadSentence(parts.at(0), parts.at(1));
    } else if (kind == "spoken") {
        const QStringList groups = facts.split('#');
        QStringList misread;
        for (const QString &group : groups.mid(1))
            misread.append(Wording::misreadSpoken(group.section('|', 0, 0), group.section('|', 1)));
        worded = Wording::spokenResults(groups.at(0).split('|'), misread);
    } else {
        worded = CoefficientBox::reading(facts).value().sentence;
    }
    QCOMPARE(worded, sentence);
}

void TestWindow::screenReaderEditsAreTyping_data()
{
    QTest::addColumn<QString>("edit");
    // clang-format off
    QTest::newRow("replace")   << "replace";
    QTest::newRow("insert")    << "insert";
    QTest::newRow("delete")    << "delete";
    // clang-format on
}

// Text set through the screen reader's editable-text interface is the user's: a result box no
// longer holds a result (it is neither rounded nor dimmed), and Ctrl+Z undoes the edit.
void TestWindow::screenReaderEditsAreTyping()
{
    QFETCH(QString, edit);
    typeCoefficients({"1", "0", "1", "0", "7", "1"});
    click("cmdCalc");
    auto *y = qobject_cast<ResultBox *>(box("txtRes"));
    QVERIFY(y->holdsResult());
    const QString result = y->text();
    QAccessibleEditableTextInterface *editable =
        QAccessible::queryAccessibleInterface(y)->editableTextInterface();
    QVERIFY(editable);
    if (edit == "replace")
        editable->replaceText(0, int(result.size()), "12345678901234567890123");
    else if (edit == "insert")
        editable->insertText(1, "999999999999999999999");
    else
        editable->deleteText(0, 1);
    QVERIFY(y->text() != result);
    QVERIFY(!y->holdsResult());
    QCOMPARE(y->shownText(), y->displayText());
    y->setFocus();
    QTest::keyClick(y, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(y->text(), result);
}

namespace {

// The torn-down window's accessible frame, as a screen reader that knows the window holds it,
// and how often it asked the frame for its children meanwhile.
QAccessible::Id tornDownFrame = 0;
int askedDuringTeardown = 0;

// A screen reader that, on every event, walks the torn-down window's children and reads each
// one's role and name (under ASan, reading a deleted one fails the test).
void askDuringTeardown(QAccessibleEvent *)
{
    QAccessibleInterface *frame = QAccessible::accessibleInterface(tornDownFrame);
    if (!frame)
        return;
    ++askedDuringTeardown;
    for (int i = 0; i < frame->childCount(); ++i) {
        if (QAccessibleInterface *child = frame->child(i)) {
            QVERIFY(child->role() != QAccessible::NoRole);
            (void)child->text(QAccessible::Name);
        }
    }
}

} // namespace

// While the window is destroyed, its widgets say so to assistive technology, and a screen reader
// may ask the window for its children at each step: it must never be handed a deleted one (the
// announcer's object goes first).
void TestWindow::answersScreenReaderDuringTeardown()
{
    typeCoefficients({"2", "3", "8", "1", "1", "3"});
    click("cmdCalc");
    QPointer<QWidget> window = m_window.get();
    tornDownFrame = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(window));
    askedDuringTeardown = 0;
    {
        const Listener listener(&askDuringTeardown);
        m_window.reset();
    }
    QVERIFY(window.isNull());
    QVERIFY(askedDuringTeardown > 0);
}

// Many calculations, every other one failing, leave the window answering as before and holding
// no more objects than it started with. A few hundred show any object a calculation leaves
// behind; memory that one leaks is LeakSanitizer's to find, in the sanitizer run.
void TestWindow::survivesManyCalculations()
{
    typeCoefficients({"2", "3", "8", "1", "1", "3"});
    const auto objectsBefore = m_window->findChildren<QObject *>().size();
    const int calculations = 400;
    for (int i = 0; i < calculations; ++i) {
        box("txt1Y")->setText(i % 2 ? "2" : "3"); // 2X + 2Y = 8 is parallel to X + Y = 3
        QTest::mouseClick(button("cmdCalc"), Qt::LeftButton);
    }
    QCOMPARE(m_reports.size(), calculations / 2);
    QCOMPARE(m_reports.last(), noSolution + neither);
    // A style may animate the last press (Windows' Vista style parents a transition to the
    // button); such an animation deletes itself when it ends, so the count must come back.
    QTRY_COMPARE(m_window->findChildren<QObject *>().size(), objectsBefore);
    type("txt1Y", "3");
    box("txtRes")->clear();
    QTest::keyClick(m_window.get(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(box("txtRes")->text(), QString("2"));
    QCOMPARE(box("txtRes2")->text(), QString("1"));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
