#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The working: a window of its own beside the main one (non-modal, resizable, one at a time),
// which shows how the equations were solved as text a screen reader reads line by line, and
// copies the answer as one line. Esc closes it. The main window makes it on first use and keeps
// it up to date while it is shown.
class WorkingWindow : public QWidget
{
    Q_OBJECT
public:
    explicit WorkingWindow(QWidget *parent);

    // Shows the working's lines and remembers the answer the copy button copies.
    void setWorking(const QStringList &lines, const QString &answer);
    // Puts the answer on the clipboard.
    void copyAnswer() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPlainTextEdit *m_text = nullptr;
    QPushButton *m_copy = nullptr;
    QString m_answer;
};
