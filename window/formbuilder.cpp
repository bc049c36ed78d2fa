#include "formbuilder.h"

#include "coefficientbox.h"
#include "focuspushbutton.h"
#include "formdefinition.h"
#include "resultbox.h"

#include <QCoreApplication>
#include <QFont>
#include <QKeySequence>
#include <QLabel>

#include <algorithm>
#include <limits>
#include <string_view>

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

// The row of the control table with this name, found when the program is compiled.
consteval std::size_t row(std::string_view name)
{
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        if (std::string_view(form::controls[i].name) == name)
            return i;
    }
    throw "no such control"; // not a constant expression: a misspelt name does not compile
}

constexpr std::size_t yRow = row("txtRes"), xRow = row("txtRes2");

// A text of the table in the user's language, where it was marked for translation.
QString translated(const char *text)
{
    return QCoreApplication::translate("form", text);
}

// What a description says, in the user's language, with the Calculate button's access key.
QString description(const form::Control &def)
{
    const QString text = translated(def.description);
    if (!text.contains(QLatin1String("%1")))
        return text;
    return text.arg(accessKeyText(translated(form::controls[row("cmdCalc")].caption)));
}

QWidget *createControl(std::size_t i, QWidget *parent)
{
    const form::Control &def = form::controls[i];
    const QString caption = translated(def.caption);
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
        TextBox *box = i == yRow || i == xRow ? static_cast<TextBox *>(new ResultBox(parent))
                                              : new CoefficientBox(parent);
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(std::numeric_limits<int>::max());
        if (def.description)
            box->setDescription(description(def));
        return box;
    }
    case form::Kind::Button:
        return new FocusPushButton(caption, parent);
    case form::Kind::Picture: {
        // Shown at its natural size, unstretched, from the top-left corner; the window loads it.
        auto *picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    }
    Q_UNREACHABLE();
}

} // namespace

QString accessKeyText(const QString &caption)
{
    return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
}

const form::Control &bannerDefinition()
{
    return form::controls[row("Image3")];
}

BuiltForm buildForm(QWidget *window)
{
    std::array<QWidget *, form::controls.size()> built{};
    BuiltForm result;
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const form::Control &def = form::controls[i];
        QWidget *control = createControl(i, window);
        control->setObjectName(QString::fromLatin1(def.name));
        control->setGeometry(pixelRect(def.left, def.top, def.width, def.height));
        if (def.font)
            control->setFont(toQFont(*def.font));
        if (def.accessibleName)
            control->setAccessibleName(translated(def.accessibleName));
        if (def.description && def.kind != form::Kind::TextBox)
            control->setAccessibleDescription(description(def));
        if (def.kind == form::Kind::Label && def.foreColour && def.backColour)
            result.colouredLabels.emplace_back(&def, static_cast<QLabel *>(control));
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
        QWidget::setTabOrder(built[chain[i - 1]], built[chain[i]]);

    auto coefficient = [&built](std::size_t i) { return static_cast<CoefficientBox *>(built[i]); };
    result.coefficients = {coefficient(row("txt1X")),   coefficient(row("txt1Y")),
                           coefficient(row("txtAns1")), coefficient(row("txt2X")),
                           coefficient(row("txt2Y")),   coefficient(row("txtAns2"))};
    result.y = static_cast<ResultBox *>(built[yRow]);
    result.x = static_cast<ResultBox *>(built[xRow]);
    result.calculate = static_cast<QPushButton *>(built[row("cmdCalc")]);
    result.exit = static_cast<QPushButton *>(built[row("Command1")]);
    result.banner = static_cast<QLabel *>(built[row("Image3")]);
    return result;
}
