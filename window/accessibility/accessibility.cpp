#include "accessibility.h"

#include "boxaccessible.h"
#include "windowaccessible.h"

#include "window/frmtarnyxequations.h"
#include "window/textbox.h"

#include <QAccessible>

namespace {

// Matches by class: the most derived class's name is asked first, and the cast answers for it.
QAccessibleInterface *accessibleInterface(const QString &, QObject *object)
{
    if (auto *box = qobject_cast<TextBox *>(object))
        return new BoxAccessible(box);
    if (auto *window = qobject_cast<frmTarnyxEquations *>(object))
        return new WindowAccessible(window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(&accessibleInterface), true);
    Q_UNUSED(installed);
}
