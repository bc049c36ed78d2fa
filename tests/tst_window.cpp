#include "window/colours.h"
#include "window/fontsubstitutes.h"
#include "window/frmtarnyxequations.h"
#include "window/resultbox.h"
#include "window/wording.h"

#include "outcome.h"
#include "truth.h"

#include <QtTest>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <memory>

namespace {

const char *const coefficientBoxes[] = {"txt1X", "txt1Y", "txtAns1", "txt2X", "txt2Y", "txtAns2"};

const QString noSolution = "No solution: the two equations contradict each other.";
const QString notUnique =
    "No unique solution: infinitely many pairs of X and Y satisfy both equations.";
const QString tooLarge = "The numbers are too large to calculate with.";
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
    void ignoresCommaDecimalLocale();
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
    QTest::newRow("all empty: nothing changes")   << QStringList{"", "", "", "", "", ""}               << "old" << "old" << notUnique + neither;
    QTest::newRow("too large: nothing changes")   << QStringList{"1e1001", "1", "1", "1", "2", "3"}    << "old" << "old" << tooLarge + neither;
    QTest::newRow("beyond the doubles, solved")   << QStringList{"1e999", "1", "1", "1", "2", "3"}     << "1.5" << "-5E-1000" << "";
    QTest::newRow("1E400 read exactly")           << QStringList{"1E400", "0", "1E400", "1", "1", "3"} << "2"   << "1"   << "";
    QTest::newRow("products underflow, solved")   << QStringList{"1E-170", "0", "1E-170", "0", "1E-170", "2E-170"} << "2" << "1" << "";
    QTest::newRow("doubles see parallel, solved") << QStringList{"1", "1", "2", "1", "1.0000000000000001", "2"} << "0" << "2" << "";
    QTest::newRow("exactly parallel decimals")     << QStringList{"0.1", "0.3", "1", "0.3", "0.9", "2"} << "old" << "old" << noSolution + neither;
    QTest::newRow("X beyond the doubles, shown")  << QStringList{"1e-300", "0", "1e10", "0", "1", "1"} << "1"   << "1E+310" << "";
    QTest::newRow("unchecked X overflows")        << QStringList{beyondBounds, "0", "1e10", "0", "1", "1"} << "1" << "old" << tooLarge + yWasOne;
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
    for (int i = 0; i < 6; ++i)
        QCOMPARE(box(coefficientBoxes[i])->text(), coefficients.at(i));
}

void TestWindow::calculateKeys_data()
{
    QTest::addColumn<bool>("space");
    // clang-format off
    QTest::newRow("Alt+A")                       << false;
    QTest::newRow("space on the focused button") << true;
    // clang-format on
}

void TestWindow::calculateKeys()
{
    QFETCH(bool, space);
    typeCoefficients({"1", "2", "4", "3", "-1", "5"});
    if (space) {
        button("cmdCalc")->setFocus();
        QTest::keyClick(button("cmdCalc"), Qt::Key_Space);
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

    // clang-format off
    QTest::newRow("Calculate: X of 3X = 1")          << "cmdCalc" << QStringList{"3", "0", "1", "0", "7", "1"}                 << "txtRes2" << "0.333333333333333"     << true;
    QTest::newRow("Calculate: Y of 7Y = 1")          << "cmdCalc" << QStringList{"3", "0", "1", "0", "7", "1"}                 << "txtRes"  << "0.142857142857143"     << true;
    QTest::newRow("Calculate: large X, exponent")    << "cmdCalc" << QStringList{"1", "0", "123456789012345678", "0", "1", "1"} << "txtRes2" << "1.23456789012346E+17" << true;
    QTest::newRow("Calculate: tiny negative X")      << "cmdCalc" << QStringList{"1", "0", "-7.89491928622333E-16", "0", "1", "1"} << "txtRes2" << "-7.89491928622333E-16" << true;
    QTest::newRow("Calculate: twelve-digit Y")       << "cmdCalc" << QStringList{"1", "0", "1", "0", "1", "-123456789012"}     << "txtRes"  << "-123456789012"         << true;
    QTest::newRow("Y box click: Y of 7Y = 1")        << "txtRes"  << QStringList{"3", "0", "1", "0", "7", "1"}                 << "txtRes"  << "0.142857142857143"     << true;
    QTest::newRow("X box click: sign and exponent")  << "txtRes2" << QStringList{"1", "0", "-1234567890123456", "0", "1", "1"} << "txtRes2" << "-1.23456789012346E+15" << true;
    QTest::newRow("Calculate: short X has no tip")   << "cmdCalc" << QStringList{"2", "3", "8", "1", "1", "3"}                 << "txtRes2" << "1"                     << false;
    QTest::newRow("X box click: short X has no tip") << "txtRes2" << QStringList{"2", "3", "8", "1", "1", "3"}                 << "txtRes2" << "1"                     << false;
    // clang-format on
}

// A result is shown from its first character, whether or not its box has the focus; one too wide
// for its box can be read whole in the box's tooltip. A wide result is drawn rounded to the
// digits that fit, focused or not, keeping its sign, first digit and exponent (a whole number
// rounded takes the exponent form); its text stays whole, and Ctrl+A, Ctrl+C copy all of it.
void TestWindow::showsWholeResultFromItsStart()
{
    QFETCH(QString, clicked);
    QFETCH(QStringList, coefficients);
    QFETCH(QString, result);
    QFETCH(QString, text);
    QFETCH(bool, wide);
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
    QCOMPARE(drawnFocused, drawn);
    const QFontMetrics metrics(shown->font());
    const int room = shown->contentsRect().width() - 4; // less the frame's inner margins
    QCOMPARE(metrics.horizontalAdvance(text) > room, wide);
    if (!wide) {
        QCOMPARE(drawn, text);
        return;
    }
    QVERIFY2(metrics.horizontalAdvance(drawn) <= room, qPrintable(drawn));
    QVERIFY2(drawn.contains(QChar(0x2026)), qPrintable(drawn));
    QCOMPARE(drawn.at(0), text.at(0));
    const qsizetype e = text.indexOf('E');
    if (e >= 0)
        QVERIFY2(drawn.endsWith(text.mid(e)), qPrintable(drawn));
    if (e < 0 && !text.contains('.')) // "1.2…E+11", never "123…" hiding where its units are
        QVERIFY2(drawn.contains('E'), qPrintable(drawn));
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

    const QString doubles = "In double arithmetic, in the fixed order";
    // clang-format off
    QTest::newRow("3X = 1: X is 1/3")                << QStringList{"3", "0", "1", "0", "7", "1"}                         << "txtRes2" << "0.333333333333333"  << "Exactly 1/3.";
    QTest::newRow("X + 3Y = 7, 9X + 3Y = 7")         << QStringList{"1", "3", "7", "9", "3", "7"}                         << "txtRes2" << "0"                  << doubles + ": -7.89491928622333E-16.";
    QTest::newRow("nearly parallel decimals")        << QStringList{"0.1", "0.2", "0.3", "0.2", "0.4000001", "0.6000001"} << "txtRes"  << "1"                  << doubles + ": ";
    QTest::newRow("2X - 10Y = 19, -13X + 11Y = -17") << QStringList{"2", "-10", "19", "-13", "11", "-17"}                 << "txtRes2" << "-0.361111111111111" << "Exactly -13/36. " + doubles + ": -0.361111111111112.";
    QTest::newRow("7X - 5Y = -11, 5X = 0")           << QStringList{"7", "-5", "-11", "5", "0", "0"}                      << "txtRes2" << "0"                  << doubles + ": 2.03012210217171E-16.";
    QTest::newRow("tenths: X = -1")                  << QStringList{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6"}             << "txtRes2" << "-1"                 << doubles + ": -0.999999999999999.";
    QTest::newRow("-X - 15Y = -4, 13X + 3Y = -10")   << QStringList{"-1", "-15", "-4", "13", "3", "-10"}                  << "txtRes2" << "-0.84375"           << doubles + ": -0.843750000000001.";
    QTest::newRow("the doubles lose every digit")    << QStringList{"1", "1", "2", "1", "1.0000000000000003", "2.0000000000000002"} << "txtRes2" << "1.33333333333333" << "Exactly 4/3. " + doubles + ": 2.";
    QTest::newRow("the doubles divide by zero")      << QStringList{"1", "1", "2", "1", "1.0000000000000001", "2"}        << "txtRes"  << "0"                  << doubles + ", a step divides by zero.";
    QTest::newRow("products underflow")              << QStringList{"1E-170", "0", "1E-170", "0", "1E-170", "2E-170"}    << "txtRes"  << "2"                  << doubles + ", a step divides by zero.";
    QTest::newRow("1E400 is no double")              << QStringList{"1E400", "0", "1E400", "1", "1", "3"}                << "txtRes2" << "1"                  << "In double arithmetic, a coefficient is beyond the range of doubles.";
    QTest::newRow("an exact 1E-400")                 << QStringList{"1E200", "0", "1E-200", "0", "1", "1"}               << "txtRes2" << "1E-400"             << doubles + ": 0.";
    QTest::newRow("past the exact bounds")           << QStringList{beyondBounds, "0", "1e-300", "0", "1", "1"}           << "txtRes2" << "1"                  << "Computed in double arithmetic, in the fixed order, and not checked";
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
    QVERIFY2(b->toolTip().endsWith("\n" + text), qPrintable(b->toolTip()));
    QVERIFY2(b->accessibleDescription().contains(note), qPrintable(b->accessibleDescription()));
    QVERIFY2(b->whatsThis().startsWith(note), qPrintable(b->whatsThis()));
    type(qPrintable(name), "5");
    QVERIFY2(!b->toolTip().contains(note), qPrintable(b->toolTip()));
    QVERIFY2(!b->accessibleDescription().contains(note), qPrintable(b->accessibleDescription()));
    click("cmdCalc");
    type("txt1X", "9");
    QVERIFY2(!b->toolTip().contains(note), qPrintable(b->toolTip()));
    QVERIFY2(!b->accessibleDescription().contains(note), qPrintable(b->accessibleDescription()));
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
    // clang-format on
}

// A result is drawn as current only while the coefficients are those it was computed from and
// its latest computation succeeded; otherwise in italics, in a dimmed colour that stays legible,
// with a note that says it comes from earlier equations.
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

    for (auto [name, stale] : {std::pair("txtRes", yStale), std::pair("txtRes2", xStale)}) {
        QLineEdit *b = box(name);
        const QString which = QString("%1 (%2)").arg(name, b->text());
        QVERIFY2(b->font().italic() == stale, qPrintable(which));
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
            QTest::keyClick(button("Command1"), Qt::Key_Space);
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
    QCOMPARE(text, noSolution + neither);
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
void TestWindow::ignoresCommaDecimalLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    typeCoefficients({"2", "0", "1,5", "0", "4", "1.5"});
    click("cmdCalc");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(box("txtRes")->text(), QString("0.375"));
    QCOMPARE(box("txtRes2")->text(), QString("0.75"));
}

void TestWindow::pastesMegabyteText_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QStringList>("reports");
    const int megabyte = 1 << 20;
    // clang-format off
    QTest::newRow("a megabyte of blanks before the number") << QString(megabyte - 1, QLatin1Char(' ')) + "3" << "2"   << QStringList{};
    QTest::newRow("a megabyte of digits")                   << QString(megabyte, QLatin1Char('9'))           << "old" << QStringList{tooLarge + neither};
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
    QTest::newRow("letters after the number")       << "3x"                  << "Tab"   << "Read as 3: " + q + "x" + p + " is not part of the number.";
    QTest::newRow("comma as the decimal mark")      << "1,000"               << "Tab"   << "Read as 1: a comma is a decimal mark here.";
    QTest::newRow("comma, said on Calculate")       << "3,000"               << "Alt+A" << "Read as 3: a comma is a decimal mark here.";
    QTest::newRow("letters, said on Calculate")     << "2x"                  << "Alt+A" << "Read as 2: " + q + "x" + p + " is not part of the number.";
    QTest::newRow("comma and letters")              << "1,5 kg"              << "Tab"   << "Read as 1.5: " + q + "kg" + p + " is not part of the number; a comma is a decimal mark here.";
    QTest::newRow("no number at all")               << "abc"                 << "Tab"   << "Read as 0: " + q + "abc" + p + " is not a number.";
    QTest::newRow("minus sign U+2212 reads as minus") << "\u22125"           << "Tab"   << "";
    QTest::newRow("no-break space is a blank")      << "1\u00a0000"          << "Tab"   << "";
    QTest::newRow("thin spaces are blanks")         << "1\u2009000\u202F5"   << "Tab"   << "";
    QTest::newRow("second mark ends the number")    << "1,000.5"             << "Tab"   << "Read as 1: " + q + ".5" + p + " is not part of the number; a comma is a decimal mark here.";
    QTest::newRow("exponent letter without digits") << "2e"                  << "Tab"   << "Read as 2: " + q + "e" + p + " is not part of the number.";
    QTest::newRow("digits read as one number")      << " 1 2 x y "           << "Tab"   << "Read as 12: " + q + "x y" + p + " is not part of the number.";
    QTest::newRow("every digit read")               << "1.0000000000000001x" << "Tab"   << "Read as 1.0000000000000001: " + q + "x" + p + " is not part of the number.";
    QTest::newRow("hexadecimal read as its value")  << "&HFF h"              << "Tab"   << "Read as 255: " + q + "h" + p + " is not part of the number.";
    QTest::newRow("an unseen character named")      << "3\u200Bx"            << "Tab"   << "Read as 3: " + q + "[U+200B]x" + p + " is not part of the number.";
    QTest::newRow("point without integer digits")   << ".5"                  << "Tab"   << "";
    QTest::newRow("read whole with a point")        << "-3.75E2"             << "Tab"   << "";
    QTest::newRow("blanks inside, read whole")      << " 1 000 "             << "Tab"   << "";
    QTest::newRow("hexadecimal, read whole")        << "&H1F"                << "Tab"   << "";
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
    QVERIFY2(box("txt2Y")->toolTip().contains(said.toHtmlEscaped()) ||
                 box("txt2Y")->toolTip().contains(said),
             qPrintable(box("txt2Y")->toolTip()));
    const QString number = said.mid(8, said.indexOf(':') - 8);
    const auto shown = truth::read(number.toStdString());
    const auto whole = truth::read(text.toStdString());
    QVERIFY(shown && whole);
    QVERIFY2(*shown == *whole, qPrintable(number));
}

namespace {

platform::Decimal decimal(const QString &text)
{
    return platform::scannedDecimal(platform::scanNumber(text.toStdString()));
}

// A result from its facts as the golden file writes them: the value shown, then "rounded",
// "exactly=p/q", "doubles=<value>" or "doubles=<why not>", "unchecked".
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
            result.exact = solver::Fraction{
                decimal(value.section('/', 0, 0)),
                decimal(value.section('/', 1).isEmpty() ? "1" : value.section('/', 1))};
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

} // namespace

void TestWindow::wordsEachFact_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("facts");
    QTest::addColumn<QString>("sentence");

    const QString doubles = "In double arithmetic, in the fixed order";
    const QString hex = "&H" + QString(2000, 'F');
    // clang-format off
    QTest::newRow("exact, the doubles agree")      << "note"    << "2"                                    << "";
    QTest::newRow("a short exact value")           << "note"    << "0.333333333333333 exactly=1/3"        << "Exactly 1/3.";
    QTest::newRow("rounded, long exact value")     << "note"    << "1.23456789012346E+17 rounded"         << "Rounded to 15 significant digits; the exact value has more.";
    QTest::newRow("the doubles give another value") << "note"   << "0 doubles=2.03012210217171E-16"       << doubles + ": 2.03012210217171E-16.";
    QTest::newRow("exact value and doubles")       << "note"    << "-0.361111111111111 exactly=-13/36 doubles=-0.361111111111112" << "Exactly -13/36. " + doubles + ": -0.361111111111112.";
    QTest::newRow("the doubles divide by zero")    << "note"    << "0 doubles=<division by zero>"         << doubles + ", a step divides by zero.";
    QTest::newRow("the doubles overflow")          << "note"    << "1 doubles=<overflow>"                 << doubles + ", a step overflows.";
    QTest::newRow("a coefficient is no double")    << "note"    << "1 doubles=<unread>"                   << "In double arithmetic, a coefficient is beyond the range of doubles.";
    QTest::newRow("unchecked")                     << "note"    << "1 unchecked"                          << "Computed in double arithmetic, in the fixed order, and not checked: a coefficient has more digits, or a larger exponent, than the exact solution takes.";
    QTest::newRow("from earlier equations")        << "stale"   << ""                                     << "From earlier equations.";
    QTest::newRow("no solution")                   << "error"   << "<no solution>"                        << noSolution;
    QTest::newRow("not unique")                    << "error"   << "<not unique>"                         << notUnique;
    QTest::newRow("overflow")                      << "error"   << "<overflow>"                           << tooLarge;
    QTest::newRow("division by zero")              << "error"   << "<division by zero>"                   << "A division by zero in double arithmetic (the numbers are too long to solve exactly).";
    QTest::newRow("neither result written")        << "failure" << ""                                     << noSolution + neither;
    QTest::newRow("Y written, X failed")           << "failure" << "Y = 1"                                << noSolution + yWasOne;
    QTest::newRow("one result spoken")             << "spoken"  << "X = 0.5"                              << "X = 0.5";
    QTest::newRow("both results spoken")           << "spoken"  << "Y = 2|X = 1"                          << "Y = 2, X = 1";
    QTest::newRow("hexadecimal too long to read")  << "read"    << hex + " h"                             << "Read as " + hex.left(120) + "…: “h” is not part of the number.";
    // clang-format on
}

// Each kind of sentence, worded from its facts: a result's note, a stale result's, a failure's
// reason and whole message, the results a screen reader hears, a coefficient's read-back.
void TestWindow::wordsEachFact()
{
    QFETCH(QString, kind);
    QFETCH(QString, facts);
    QFETCH(QString, sentence);
    QString worded;
    if (kind == "note") {
        worded = Wording::resultNote(resultOf(facts));
    } else if (kind == "stale") {
        worded = Wording::staleNote();
    } else if (kind == "error") {
        using platform::ErrorCode;
        for (ErrorCode code : {ErrorCode::DivisionByZero, ErrorCode::Overflow,
                               ErrorCode::NoSolution, ErrorCode::NotUnique}) {
            if (QString::fromStdString(outcomeText(code)) == facts)
                worded = Wording::error(code);
        }
    } else if (kind == "failure") {
        const QStringList written = facts.isEmpty() ? QStringList() : QStringList{facts};
        worded = Wording::failure(noSolution, written, "X", written.isEmpty());
    } else if (kind == "spoken") {
        worded = Wording::spokenResults(facts.split('|'));
    } else {
        const std::string text = facts.toStdString();
        const platform::ScannedNumber number = platform::scanNumber(text);
        worded = Wording::readBack(number, solver::exact::valueRead(number), "h");
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
