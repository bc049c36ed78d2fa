#include "boxaccessible.h"

#include <QLineEdit>

#include <algorithm>

BoxAccessible::BoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit *BoxAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

void *BoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State BoxAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !box()->isReadOnly();
    s.readOnly = box()->isReadOnly();
    s.selectableText = true;
    return s;
}

QString BoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(t);
}

void BoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int BoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void BoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void BoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void BoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int BoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void BoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString BoxAccessible::text(int startOffset, int endOffset) const
{
    const QString all = box()->text();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    endOffset = std::clamp(endOffset, startOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int BoxAccessible::characterCount() const
{
    return int(box()->text().size());
}

// Where the character would be drawn when the text is shown from its start, as a box without
// the focus shows it: good enough for a magnifier to follow.
QRect BoxAccessible::characterRect(int offset) const
{
    const QString all = box()->text();
    if (offset < 0 || offset >= all.size())
        return {};
    const QFontMetrics metrics = box()->fontMetrics();
    const QRect area = box()->contentsRect().adjusted(2, 0, -2, 0);
    const int textWidth = metrics.horizontalAdvance(all);
    const int start = area.left() + std::max(0, (area.width() - textWidth) / 2);
    const int x = start + metrics.horizontalAdvance(all.left(offset));
    const QRect local(x, area.top(), metrics.horizontalAdvance(all.at(offset)), area.height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int BoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void BoxAccessible::scrollToSubstring(int startIndex, int)
{
    box()->setCursorPosition(startIndex);
}

// No formatting: every character is a run of its own, one character long.
QString BoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    const int count = characterCount();
    *startOffset = std::clamp(offset, 0, count);
    *endOffset = std::min(*startOffset + 1, count);
    return QString();
}

void BoxAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void BoxAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

// An edit through the screen reader is typing: it goes through the box's own editing, so it is
// undone by Ctrl+Z and the box treats it as the user's (a result box no longer holds a result).
void BoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    QLineEdit *edit = box();
    const int size = int(edit->text().size());
    startOffset = std::clamp(startOffset, 0, size);
    endOffset = std::clamp(endOffset, startOffset, size);
    edit->setSelection(startOffset, endOffset - startOffset);
    if (text.isEmpty() && endOffset > startOffset)
        edit->del();
    else
        edit->insert(text);
}
