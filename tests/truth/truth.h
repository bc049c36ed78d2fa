#pragma once

// What is true of a system of two equations as typed, derived without the program's code: the
// README's reading rules applied digit by digit into whole numbers, Cramer's rule in exact
// rational arithmetic, the double steps written out in their fixed order, and the text form
// written from the exact value. A Checker holds what the solver shows against it. Standard C++
// and Boost.Multiprecision only: the cross-check test, the solver fuzzer and the precision
// benchmark use it.
#include <boost/multiprecision/cpp_int.hpp>

#include <array>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace truth {

using Rational = boost::multiprecision::cpp_rational;
using Texts = std::array<std::string_view, 6>; // a1, b1, c1, a2, b2, c2

// Where the solver's exact part stops: more significant digits, or a decimal exponent beyond.
inline constexpr long long solverBound = 1000;
// How far a result's text may reach: a solution's digits and exponent lie far beyond any
// coefficient's (a quotient of products of them), but never this far.
inline constexpr long long resultBound = 1'000'000;

// The exact value a box's text begins with; none past `bound` significant digits or a decimal
// exponent beyond ±bound (of the last significant digit). separator: the user's group
// separator (UTF-8), or none.
std::optional<Rational> read(std::string_view text, long long bound = 1200,
                             std::string_view separator = {});

// The double a box's text reads as, correctly rounded; none beyond the range.
std::optional<double> readDouble(std::string_view text, std::string_view separator = {});

// The text form of a value: rounded to 15 significant digits, half away from zero; plain while
// the first digit's power of ten is from -4 to 14, otherwise d.dddE±xx.
std::string text(const Rational &value);

// A double's exact value.
Rational exactly(double value);

// A value as a result or a note writes it: a decimal, or "p/q", read up to resultBound.
std::optional<Rational> readValue(std::string_view text);

enum class Kind { Unique, NoSolution, NotUnique };

struct Solution
{
    Kind kind = Kind::Unique;
    Rational x, y;
    // Which unknowns every solution gives the same value (both, with one solution); and with no
    // solution, the first equation (1 or 2) that reads 0 = c with c not zero.
    bool xFixed = true, yFixed = true;
    std::optional<int> impossible;
};

Solution solve(const std::array<Rational, 6> &coefficients);

// How a computation ended without a result.
enum class Failure {
    NoSolution,
    NotUnique,
    Overflow,       // a number read or formed beyond the double range
    DivisionByZero, // a divisor of the double steps was zero
};

// The double steps, one rounded operation at a time in the fixed order: a value, or why none.
struct Steps
{
    std::optional<double> y, x;
    Failure yFailure = Failure::Overflow, xFailure = Failure::Overflow;
    bool unread = false; // a coefficient lies beyond the double range
};

Steps doubleSteps(const Texts &texts, std::string_view separator = {});

// What the double steps gave, as a result says it.
enum class StepsOutcome {
    Value,          // a value, written as a box would show it
    DivisionByZero, // a step divides by zero
    Overflow,       // a step overflows, or the value is too large to write
    Unread,         // a coefficient lies beyond the double range
};

// A number as said: a decimal or "p/q", and whether it was rounded.
struct Told
{
    std::string text;
    bool rounded = false;
};

// Every solution of equations with infinitely many, as said.
struct Family
{
    enum class Form { XFromY, YAlone, Any }; // X = constant − slope·Y; Y = constant; anything
    Form form = Form::Any;
    Told constant, slope;
};

// What a result box was given for one unknown: a text and the facts known of it, or a failure.
struct Shown
{
    std::optional<Failure> failure;
    std::optional<Family> solutions; // with NotUnique: every solution
    std::string text;
    bool rounded = false;             // the text is not the exact value
    std::optional<std::string> exact; // the exact value, "p/q" or "p", where it is said
    StepsOutcome steps = StepsOutcome::Value;
    std::string stepsText;  // what the double steps gave, where they gave a value
    bool unchecked = false; // the double steps alone gave the text
    // What the failure's message is given, whatever the unknown's outcome: the impossible
    // equation, and the first coefficient (0 to 5) beyond the exact bounds.
    std::optional<int> impossible;
    std::optional<std::size_t> beyondBounds;
};

struct Tally
{
    long results = 0;    // shown texts confirmed as the solution rounded
    long valueFacts = 0; // rounded results, with or without their exact value
    long stepFacts = 0;  // double steps that gave something other than the text shown
    long verdicts = 0;   // no solution, infinitely many
    long families = 0;   // infinitely many, every solution told
    long unchecked = 0;  // results of the double steps alone, texts beyond the exact bounds
    long fixed = 0;      // infinitely many solutions, this unknown's value fixed and shown
};

class Checker
{
public:
    // The first false fact in what was shown for Y and X, read with the user's group separator
    // (or none), or empty.
    std::string check(const Texts &texts, const Shown &y, const Shown &x,
                      std::string_view separator = {});
    const Tally &tally() const { return m_tally; }

private:
    std::string checkFamily(const std::array<Rational, 6> &values,
                            const std::optional<Family> &family);
    std::string checkExact(const Rational &exact, const Shown &shown,
                           const std::optional<double> &steps, Failure stepFailure, bool unread,
                           const char *name);
    Tally m_tally;
};

// The steps of the elimination as a working shows them, each number as a note writes it (a
// decimal or "p/q"): p − q = d and r − s = n, d·Y = n; X by equation 1 times a2 (m·X = u, with
// t = p·Y and u = r − t) or by Cramer's rule (h·X = g); each equation's left side with X and Y
// put back.
struct WorkingFacts
{
    std::string p, q, r, s, d, n;
    std::optional<std::string> y, x;
    bool cramer = false;
    std::string m, t, u, g, h;
    std::optional<std::string> left1, left2;
};

// The first fact of a working that its invariants refute, or empty: the eliminated equation is
// equation 1 times a2 less equation 2 times a1, the differences are the stated ones, Y and X
// solve the equations (and only where they have one solution), and each left side is the one
// the equation gives.
std::string checkWorking(const Texts &texts, const WorkingFacts &working,
                         std::string_view separator = {});

// Systems a school exercise has: whole coefficients from -20 to 20, or coefficients with one or
// two decimals between -20 and 20.
std::array<std::string, 6> wholeSystem(std::mt19937_64 &random);
std::array<std::string, 6> decimalSystem(std::mt19937_64 &random);
// Systems made to trip the arithmetic: nearly parallel rows, exponents at the edges of the double
// range, long octal and hexadecimal texts, blanks of every kind and the minus sign U+2212.
std::array<std::string, 6> adversarialSystem(std::mt19937_64 &random);
// Systems of fractions ("3/-4", "1,5/4", now and then one the reader ends at its "/"), a third of
// them with the second equation a multiple of the first: infinitely many solutions.
std::array<std::string, 6> fractionSystem(std::mt19937_64 &random);

} // namespace truth
