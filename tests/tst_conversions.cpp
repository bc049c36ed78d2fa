#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"
#include "testsupport.h"
#include "truth.h"

#include <QtTest>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>

using platform::ErrorCode;
using platform::numberToText;
using platform::RuntimeError;
using solver::textToNumber;

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void readsNumber_data();
    void readsNumber();
    void readsGroupedNumber_data();
    void readsGroupedNumber();
    void readsOverflowAsFailure_data();
    void readsOverflowAsFailure();
    void readsVeryLongText();
    void tellsWhatWasLeft_data();
    void tellsWhatWasLeft();
    void writesText_data();
    void writesText();
    void writingUnreadableFails();
    void writesTheIndependentForm();
    void roundTrips();
};

void TestConversions::readsNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // clang-format off
    QTest::newRow("integer")                                   << "42"                                    << 42.0;
    QTest::newRow("negative decimal")                          << "-3.75"                                 << -3.75;
    QTest::newRow("explicit plus")                             << "+7"                                    << 7.0;
    QTest::newRow("leading blanks")                            << "   12"                                 << 12.0;
    QTest::newRow("blanks inside a number")                    << " 1 000"                                << 1000.0;
    QTest::newRow("tab, CR and LF inside")                     << "1\t2\r3\n4"                            << 1234.0;
    QTest::newRow("blank between sign and digits")             << "- 5"                                   << -5.0;
    QTest::newRow("point without integer digits")              << ".5"                                    << 0.5;
    QTest::newRow("point without fraction digits")             << "5."                                    << 5.0;
    QTest::newRow("exponent E")                                << "1e3"                                   << 1000.0;
    QTest::newRow("exponent D")                                << "1D3"                                   << 1000.0;
    QTest::newRow("exponent lower-case d with sign")           << "25d-1"                                 << 2.5;
    QTest::newRow("exponent with plus")                        << "1.5E+2"                                << 150.0;
    QTest::newRow("exponent without digits")                   << "2e"                                    << 2.0;
    QTest::newRow("exponent sign without digits")              << "2e+"                                   << 2.0;
    QTest::newRow("trailing letters")                          << "3x"                                    << 3.0;
    QTest::newRow("second point ends the number")              << "1.2.3"                                 << 1.2;
    QTest::newRow("comma is a decimal mark")                   << "2,5"                                   << 2.5;
    QTest::newRow("comma with an exponent")                    << "1,5E3"                                 << 1500.0;
    QTest::newRow("second mark ends the number")               << "1,000.5"                               << 1.0;
    QTest::newRow("empty")                                     << ""                                      << 0.0;
    QTest::newRow("only blanks")                               << "  \t "                                 << 0.0;
    QTest::newRow("letters")                                   << "abc"                                   << 0.0;
    QTest::newRow("lone sign")                                 << "-"                                     << 0.0;
    QTest::newRow("lone point")                                << "."                                     << 0.0;
    QTest::newRow("sign and point")                            << "-."                                    << 0.0;
    QTest::newRow("letter before digits")                      << "x3"                                    << 0.0;
    QTest::newRow("inf is not a number")                       << "inf"                                   << 0.0;
    QTest::newRow("nan is not a number")                       << "nan"                                   << 0.0;
    QTest::newRow("C hex prefix is not read")                  << "0x10"                                  << 0.0;
    QTest::newRow("hexadecimal")                               << "&H1F"                                  << 31.0;
    QTest::newRow("hexadecimal lower case")                    << "&hff"                                  << 255.0;
    QTest::newRow("hexadecimal with blanks")                   << " & H 1 0"                              << 16.0;
    QTest::newRow("hexadecimal without digits")                << "&H"                                    << 0.0;
    QTest::newRow("hexadecimal stops at a non-digit")          << "&H1G"                                  << 1.0;
    QTest::newRow("octal")                                     << "&o17"                                  << 15.0;
    QTest::newRow("octal upper case")                          << "&O777"                                 << 511.0;
    QTest::newRow("octal stops at 8")                          << "&O78"                                  << 7.0;
    QTest::newRow("octal without digits")                      << "&O"                                    << 0.0;
    QTest::newRow("ampersand alone")                           << "&"                                     << 0.0;
    QTest::newRow("other radix letter")                        << "&B101"                                 << 0.0;
    QTest::newRow("octal of 52 bits is exact")                 << "&O100000000000000001"                  << 2251799813685249.0;
    QTest::newRow("octal halfway rounds down to even")         << "&O1000000000000000002"                 << 18014398509481984.0;
    QTest::newRow("octal halfway rounds up to even")           << "&O1000000000000000006"                 << 18014398509481992.0;
    QTest::newRow("correctly rounded tenth")                   << "0.1"                                   << 0.1;
    QTest::newRow("halfway rounds to even")                    << "9007199254740993"                      << 9007199254740992.0;
    QTest::newRow("many digits")                               << "3.14159265358979323846264338327950288" << 3.141592653589793;
    QTest::newRow("largest double")                            << "1.7976931348623157e308"                << 1.7976931348623157e308;
    QTest::newRow("subnormal")                                 << "1e-320"                                << 1e-320;
    QTest::newRow("too small reads as zero")                   << "1e-400"                                << 0.0;
    QTest::newRow("too small negative reads as negative zero") << "-1e-400"                               << -0.0;
    QTest::newRow("too small with leading fraction zeros")     << "0.0001e-398"                           << 0.0;
    QTest::newRow("zero with huge exponent")                   << "0e999999"                              << 0.0;
    QTest::newRow("huge negative exponent digits")             << "5e-99999999999999999999999"            << 0.0;
    QTest::newRow("negative zero")                             << "-0"                                    << -0.0;
    QTest::newRow("no-break space is a blank")                 << "1\u00a0000"                            << 1000.0;
    QTest::newRow("thin and narrow no-break spaces are blanks") << "1\u2009000\u202F5"                     << 10005.0;
    QTest::newRow("ideographic space is a blank")              << "\u30002"                               << 2.0;
    QTest::newRow("minus sign U+2212")                         << "\u22125"                               << -5.0;
    QTest::newRow("minus sign U+2212 in the exponent")         << "1E\u22122"                             << 0.01;
    QTest::newRow("zero-width space is no blank")              << "1\u200B000"                            << 1.0;
    QTest::newRow("a fraction, the exact quotient rounded")    << "0.1/0.3"                               << 1.0 / 3;
    QTest::newRow("a fraction with a negative denominator")    << "3/-4"                                  << -0.75;
    QTest::newRow("a fraction rounded half to even")           << "9007199254740993/1"                    << 9007199254740992.0;
    QTest::newRow("a fraction below the range")                << "1/1e400"                               << 0.0;
    QTest::newRow("a zero fraction keeps its sign")            << "0/-5"                                  << -0.0;
    QTest::newRow("a zero denominator ends the number")        << "2/0"                                   << 2.0;
    // clang-format on
}

void TestConversions::readsNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    COMPARE_BITS(textToNumber(text.toStdString()), expected);
}

void TestConversions::readsGroupedNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator"); // the user's; the decimal mark is the other one
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("asTyped");

    // clang-format off
    QTest::newRow("a thousand, English")          << "1,000"        << ","       << 1000.0      << true;
    QTest::newRow("groups, then a decimal point")  << "12,345,678.5" << ","       << 12345678.5  << true;
    QTest::newRow("a sign before the groups")      << "\u22121,234"  << ","       << -1234.0     << true;
    QTest::newRow("a thousand, German")            << "1.000"        << "."       << 1000.0      << true;
    QTest::newRow("groups, then a decimal comma")  << "12.345,5"     << "."       << 12345.5     << true;
    QTest::newRow("each part of a fraction")       << "1,000/1,250"  << ","       << 0.8         << true;
    QTest::newRow("grouped, then an exponent")     << "1.000e3"      << "."       << 1e6         << true;
    QTest::newRow("an apostrophe separator")       << "1\u2019000"   << "\u2019"  << 1000.0      << true;
    QTest::newRow("a blank separator adds nothing") << "1\u202f000"  << "\u202f"  << 1000.0      << true;
    QTest::newRow("no separator: a decimal comma") << "1,000"        << ""        << 1.0         << false;
    QTest::newRow("a separator after the groups")  << "1,000,5"      << ","       << 1.0         << false;
    QTest::newRow("a first group starting with 0") << "0,500"        << ","       << 0.5         << false;
    QTest::newRow("a group of one: a mark")        << "2,5"          << ","       << 2.5         << false;
    QTest::newRow("a group of four")               << "1,0000"       << ","       << 1.0         << false;
    QTest::newRow("a group of one, German")        << "2.5"          << "."       << 2.5         << false;
    QTest::newRow("a first group of four")         << "1234,567"     << ","       << 1234.567    << false;
    // clang-format on
}

// With the user's group separator, whole digits in groups of three read as one number, as typed;
// any other shape reads as it does without one. The independent reader agrees.
void TestConversions::readsGroupedNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(double, expected);
    QFETCH(bool, asTyped);
    const std::string t = text.toStdString(), sep = separator.toStdString();
    COMPARE_BITS(textToNumber(t, sep), expected);
    COMPARE_BITS(*truth::readDouble(t, sep), expected);
    QCOMPARE(platform::scanNumber(t, sep).readAsTyped(separator == "."), asTyped);
}

void TestConversions::readsOverflowAsFailure_data()
{
    QTest::addColumn<QString>("text");

    // clang-format off
    QTest::newRow("beyond the largest double")          << "1e999";
    QTest::newRow("negative beyond the largest double") << "-1e999";
    QTest::newRow("rounds up past the largest double")  << "1.7976931348623159e308";
    QTest::newRow("long integer")                       << QString(400, QLatin1Char('9'));
    QTest::newRow("exponent far too large")             << "1e99999999999999999999999";
    QTest::newRow("small mantissa, large exponent")     << "0.000001e315";
    QTest::newRow("hexadecimal beyond the range")       << "&H" + QString(300, QLatin1Char('F'));
    QTest::newRow("octal beyond the range")             << "&O" + QString(400, QLatin1Char('7'));
    QTest::newRow("a fraction beyond the range")        << "1e300/1e-300";
    // clang-format on
}

void TestConversions::readsOverflowAsFailure()
{
    QFETCH(QString, text);
    try {
        double value = textToNumber(text.toStdString());
        QFAIL(QByteArray("read as " + describe(value)).constData());
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), ErrorCode::Overflow);
    }
}

void TestConversions::readsVeryLongText()
{
    // No length limit: a number followed by 100,000 more digits still reads, correctly rounded.
    std::string text = "1." + std::string(100000, '0') + "1";
    COMPARE_BITS(textToNumber(text), 1.0);
    std::string blanks = std::string(100000, ' ') + "-2.5";
    COMPARE_BITS(textToNumber(blanks), -2.5);
}

void TestConversions::tellsWhatWasLeft_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rest"); // the text after the number, without blanks at either end
    QTest::addColumn<int>("blanks");   // inside the number: 0 none, 1 grouping, 2 other

    // clang-format off
    QTest::newRow("read whole")                      << " -3.75E2 "        << ""      << 0;
    QTest::newRow("letters after the number")       << "3 x y "           << "x y"   << 0;
    QTest::newRow("no number: the whole text")      << " abc "            << "abc"   << 0;
    QTest::newRow("blanks alone")                   << " \u00a0\t"        << ""      << 0;
    QTest::newRow("second mark ends the number")    << "1,000.5"          << ".5"    << 0;
    QTest::newRow("groups of three")                << "12 345 678"       << ""      << 1;
    QTest::newRow("groups, then a decimal comma")   << "- 12\u202f345,5"  << ""      << 2;
    QTest::newRow("groups after a sign")            << "-12\u202f345,5 m" << "m"     << 1;
    QTest::newRow("a group of two")                 << "1 23"             << ""      << 2;
    QTest::newRow("a first group of four")          << "1234 567"         << ""      << 2;
    QTest::newRow("blank in the fraction")          << "1.23 4"           << ""      << 2;
    QTest::newRow("blank before the exponent")      << "1 000 E3"         << ""      << 2;
    QTest::newRow("blank inside hexadecimal")       << "&H F"             << ""      << 2;
    QTest::newRow("blank after the number only")    << "1000 "            << ""      << 0;
    QTest::newRow("blanks beside a fraction's slash") << " 1 000 / 3 "    << ""      << 1;
    QTest::newRow("a zero denominator is left")     << "1/0"              << "/0"    << 0;
    // clang-format on
}

// Besides its value, a reading tells what was left of the text and where blanks stood inside the
// number: what the window tells the user of a coefficient comes from here.
void TestConversions::tellsWhatWasLeft()
{
    QFETCH(QString, text);
    QFETCH(QString, rest);
    QFETCH(int, blanks);
    const std::string utf8 = text.toStdString();
    const platform::ScannedNumber number = platform::scanNumber(utf8);
    QCOMPARE(
        QString::fromStdString(utf8.substr(number.restBegin, number.restEnd - number.restBegin)),
        rest);
    QCOMPARE(int(number.blanks), blanks);
}

void TestConversions::writesText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("integer")                   << 2.0                  << "2";
    QTest::newRow("negative")                  << -2.5                 << "-2.5";
    QTest::newRow("zero")                      << 0.0                  << "0";
    QTest::newRow("negative zero")             << -0.0                 << "0";
    QTest::newRow("three tenths")              << 0.1 * 3              << "0.3";
    QTest::newRow("a third")                   << 1.0 / 3              << "0.333333333333333";
    QTest::newRow("fifteen digits stay plain") << 123456789012345.0    << "123456789012345";
    QTest::newRow("exponent from 1E+15")       << 1e15                 << "1E+15";
    QTest::newRow("sixteen digits round")      << 1234567890123456.0   << "1.23456789012346E+15";
    QTest::newRow("small plain")               << 0.0001               << "0.0001";
    QTest::newRow("small exponent")            << 0.00001              << "1E-05";
    QTest::newRow("largest that reads back")   << 1.79769313486231e308 << "1.79769313486231E+308";
    QTest::newRow("smallest subnormal")        << 5e-324               << "4.94065645841247E-324";
    QTest::newRow("a tie rounds away from 0")  << 562949953421312.5    << "562949953421313";
    QTest::newRow("a negative tie likewise")   << -562949953421312.5   << "-562949953421313";
    QTest::newRow("negative with exponent")    << -2.5e-7              << "-2.5E-07";
    // clang-format on
}

void TestConversions::writesText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numberToText(value)), expected);
}

void TestConversions::writingUnreadableFails()
{
    for (double value :
         {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, numberToText(value));
    }
}

// The text form re-derived from each double's exact value (tests/truth: rounded half away from
// zero in rational arithmetic, written by its own code), over doubles of every magnitude.
void TestConversions::writesTheIndependentForm()
{
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 10000; ++i) {
        double value = std::bit_cast<double>(random());
        if (!std::isfinite(value) || std::fabs(value) > 1.7976931348623e308)
            continue;
        const std::string expected = truth::text(truth::exactly(value));
        const std::string actual = numberToText(value);
        QVERIFY2(actual == expected, (actual + " != " + expected).c_str());
    }
}

// Every text shown reads back as the value rounded to 15 significant digits, or is refused when
// that rounding lies beyond the double range.
void TestConversions::roundTrips()
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 10000; ++i) {
        double value = std::bit_cast<double>(random());
        if (!std::isfinite(value))
            continue;
        const std::optional<double> expected =
            truth::readDouble(truth::text(truth::exactly(value)));
        if (!expected) {
            QVERIFY_THROWS_EXCEPTION(RuntimeError, numberToText(value));
            continue;
        }
        COMPARE_BITS(textToNumber(numberToText(value)), *expected == 0.0 ? 0.0 : *expected);
    }
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
