#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>

// The main window's definition: every control with its place, size, font, colours and tab
// index, as one table. Places and sizes are in twips (1/1440 inch, 15 to a pixel at 96 dpi);
// colours are 0x00BBGGRR values or system colours 0x800000nn (nn: the system colour number).
namespace form {

enum class Kind { Label, TextBox, Button, Picture };

struct Font
{
    const char *family;
    double pointSize;
    bool bold;
    bool underline;
};

struct Control
{
    const char *name;
    Kind kind;
    int tabIndex; // -1: the control has no tab index
    const char *caption;
    int left, top, width, height;
    std::optional<Font> font;                // none: the control shows no text
    std::optional<std::uint32_t> foreColour; // none: the control kind's standard colour
    std::optional<std::uint32_t> backColour;
    const char *accessibleName;      // nullptr: the caption serves
    const char *description;         // what the name does not say; nullptr: nothing more
    const char *picture = nullptr;   // a picture control's image, a Qt resource path
    const char *picture2x = nullptr; // the same image at twice the size, for high-DPI screens
};

struct Window
{
    const char *name;
    const char *caption;
    int clientWidth, clientHeight;
    std::uint32_t backColour;
    std::array<const char *, 3> icons; // Qt resource paths: the 80 × 80 icon, then larger ones
};

inline constexpr int twipsPerPixel = 15;

inline constexpr std::uint32_t black = 0x00000000;
inline constexpr std::uint32_t white = 0x00FFFFFF;
inline constexpr std::uint32_t green = 0x0000FF00;
inline constexpr std::uint32_t yellow = 0x0000FFFF;
inline constexpr std::uint32_t menuText = 0x80000007;
inline constexpr std::uint32_t highlightText = 0x8000000E;
inline constexpr std::uint32_t buttonText = 0x80000012;

inline constexpr Window window = {
    "frmTarnyxEquations",
    "TARNYX EQUATIONS",
    7560,
    6390,
    black,
    {":/tarnyx/tarnyx.png", ":/tarnyx/tarnyx-160.png", ":/tarnyx/tarnyx-256.png"}};

inline constexpr Font sans12 = {"MS Sans Serif", 12, true, false};
inline constexpr Font sans13 = {"MS Sans Serif", 13.5, true, false};
inline constexpr Font sans18 = {"MS Sans Serif", 18, true, false};
inline constexpr Font sansSmall = {"MS Sans Serif", 9.75, false, false};
inline constexpr Font sansSmallUnderlined = {"MS Sans Serif", 9.75, false, true};
inline constexpr Font serif12 = {"Times New Roman", 12, true, false};

inline constexpr const char *creditLine = "\u00A9 Tarnyx 2026";
inline constexpr const char *webAddress = "https://tarnyx.example.org";
inline constexpr const char *mailAddress = "tarnyx@example.org";

// The words a user reads or hears (captions, accessible names and descriptions) are marked for
// translation in the context "form", where lupdate finds them; the builder translates them, and
// puts the Calculate button's access key, as its translated caption gives it, for "%1" in a
// description. The symbols, the credit area and the window's title are the same in every
// language.
// clang-format off
inline constexpr std::array<Control, 24> controls = {{
    // name          kind          tab  caption        left   top  width height font        fore           back        accessible name, description
    {"lblX",         Kind::Label,    0, "X",           1200,  960,  495,  615, sans12,     highlightText, buttonText, nullptr, nullptr},
    {"txt1X",        Kind::TextBox,  1, "",             120,  720,  975,  615, serif12,    {},            {},         QT_TRANSLATE_NOOP("form", "a1, coefficient of X in equation 1"), QT_TRANSLATE_NOOP("form", "Multiplies X in the first equation.")},
    {"lblY",         Kind::Label,    2, "Y",           4080,  960,  495,  615, sans12,     highlightText, buttonText, nullptr, nullptr},
    {"txt1Y",        Kind::TextBox,  3, "",            3000,  720,  975,  615, serif12,    {},            {},         QT_TRANSLATE_NOOP("form", "b1, coefficient of Y in equation 1"), QT_TRANSLATE_NOOP("form", "Multiplies Y in the first equation.")},
    {"txtAns1",      Kind::TextBox,  4, "",            6000,  720, 1215,  735, serif12,    {},            {},         QT_TRANSLATE_NOOP("form", "c1, right-hand side of equation 1"), QT_TRANSLATE_NOOP("form", "What the left side of the first equation equals.")},
    {"Label1",       Kind::Label,    5, "X",           1200, 2040,  495,  615, sans12,     highlightText, buttonText, nullptr, nullptr},
    {"txt2X",        Kind::TextBox,  6, "",             120, 1800,  975,  615, serif12,    {},            {},         QT_TRANSLATE_NOOP("form", "a2, coefficient of X in equation 2"), QT_TRANSLATE_NOOP("form", "Multiplies X in the second equation.")},
    {"Label2",       Kind::Label,    7, "Y",           4080, 2040,  495,  615, sans12,     highlightText, buttonText, nullptr, nullptr},
    {"txt2Y",        Kind::TextBox,  8, "",            3000, 1800,  975,  615, serif12,    {},            {},         QT_TRANSLATE_NOOP("form", "b2, coefficient of Y in equation 2"), QT_TRANSLATE_NOOP("form", "Multiplies Y in the second equation.")},
    {"lblequals",    Kind::Label,    9, "=",           4680,  960, 1215,  615, sans18,     white,         black,      nullptr, nullptr},
    {"lblequals1",   Kind::Label,   10, "=",           4680, 2040, 1215,  615, sans18,     white,         black,      nullptr, nullptr},
    {"txtAns2",      Kind::TextBox, 11, "",            6000, 1800, 1215,  735, serif12,    {},            {},         QT_TRANSLATE_NOOP("form", "c2, right-hand side of equation 2"), QT_TRANSLATE_NOOP("form", "What the left side of the second equation equals.")},
    {"lblXis",       Kind::Label,   12, "X = ",         360, 2880, 1215,  615, sans13,     white,         black,      nullptr, nullptr},
    {"lblYis",       Kind::Label,   13, "Y = ",         360, 3600, 1215,  615, sans13,     white,         black,      nullptr, nullptr},
    // The black background given to cmdCalc is not drawn by a standard push button, so none is set.
    {"cmdCalc",      Kind::Button,  14, QT_TRANSLATE_NOOP("form", "C&alculate"),  3240, 2880, 3135, 1455, sans12,     {},            {},         QT_TRANSLATE_NOOP("form", "Calculate"), nullptr},
    {"txtRes",       Kind::TextBox, 15, "",            1680, 3600, 1215,  735, serif12,    {},            {},         QT_TRANSLATE_NOOP("form", "Y result"), QT_TRANSLATE_NOOP("form", "Shows the Y that solves both equations. Calculate (%1) recomputes it; F1 shows the working.")},
    {"txtRes2",      Kind::TextBox, 16, "",            1680, 2880, 1215,  735, serif12,    {},            {},         QT_TRANSLATE_NOOP("form", "X result"), QT_TRANSLATE_NOOP("form", "Shows the X that solves both equations. Calculate (%1) recomputes it; F1 shows the working.")},
    {"lblPlus",      Kind::Label,   17, "+",           1680,  840, 1215,  495, sans13,     highlightText, black,      nullptr, nullptr},
    {"lblPlus1",     Kind::Label,   18, "+",           1680, 1920, 1215,  495, sans13,     highlightText, black,      nullptr, nullptr},
    {"lblTovrin",    Kind::Label,   19, creditLine,    5160, 5280, 2175,  495, sans12,     green,         black,      nullptr, nullptr},
    {"Command1",     Kind::Button,  20, QT_TRANSLATE_NOOP("form", "E&xit"),       3240, 4560, 3135,  495, sans12,     {},            {},         QT_TRANSLATE_NOOP("form", "Exit"), nullptr},
    {"Label3",       Kind::Label,   21, webAddress,    3720, 5760, 3615,  375, sansSmallUnderlined, yellow, buttonText, nullptr, nullptr},
    {"Label4",       Kind::Label,   22, mailAddress,   4080, 6000, 2895,  495, sansSmall,  yellow,        menuText,   nullptr, nullptr},
    {"Image3",       Kind::Picture, -1, "",             120, 4800, 3075, 1515, {},         {},            {},         QT_TRANSLATE_NOOP("form", "Tarnyx Equations banner"), nullptr, ":/tarnyx/banner.png", ":/tarnyx/banner@2x.png"},
}};
// clang-format on

} // namespace form
