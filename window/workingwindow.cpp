#include "workingwindow.h"

#include "workingtext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

WorkingWindow::WorkingWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("working"));
    setWindowTitle(WorkingText::title());
    // Read-only text that the keyboard can select and copy (Ctrl+A, Ctrl+C copy it all as plain
    // text); Tab leaves it for the button instead of typing a tab.
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("workingText"));
    m_text->setReadOnly(true);
    m_text->setTabChangesFocus(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setAccessibleName(WorkingText::title());
    m_copy = new QPushButton(WorkingText::copyCaption(), this);
    m_copy->setObjectName(QStringLiteral("workingCopy"));
    connect(m_copy, &QPushButton::clicked, this, &WorkingWindow::copyAnswer);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(640, 480);
}

// Esc closes the working (it does nothing in the main window); the text passes it on.
void WorkingWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WorkingWindow::setWorking(const QStringList &lines, const QString &answer)
{
    m_answer = answer;
    m_text->setPlainText(lines.join(QLatin1Char('\n')));
}

void WorkingWindow::copyAnswer() const
{
    QGuiApplication::clipboard()->setText(m_answer);
}
