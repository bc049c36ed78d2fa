#pragma once

#include <array>
#include <utility>
#include <vector>

class CoefficientBox;
class QString;
class QLabel;
class QPushButton;
class QWidget;
class ResultBox;
namespace form {
struct Control;
}

// The controls built from the window's table, typed by what the window does with them.
struct BuiltForm
{
    std::array<CoefficientBox *, 6> coefficients{}; // a1, b1, c1, a2, b2, c2
    ResultBox *y = nullptr;                         // txtRes
    ResultBox *x = nullptr;                         // txtRes2
    QPushButton *calculate = nullptr;               // cmdCalc
    QPushButton *exit = nullptr;                    // Command1
    QLabel *banner = nullptr;                       // Image3
    // The labels whose colours the table sets, with their table rows.
    std::vector<std::pair<const form::Control *, QLabel *>> colouredLabels;
};

// Builds every control of the table on the window, in table order, with its name, place, font,
// accessible name and description, and orders the focus by the tab indexes.
BuiltForm buildForm(QWidget *window);

// The table row of the picture control (its files).
const form::Control &bannerDefinition();

// A caption's access key as the user presses it ("Alt+A" for "C&alculate").
QString accessKeyText(const QString &caption);
