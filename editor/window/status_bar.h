// The main window's status bar: general message, caret position, encoding, modified flag and
// the two lock keys.
#pragma once

#include <QStatusBar>

#include <optional>

class QLabel;

// The state of the lock keys as the platform reports it; nothing where it cannot tell.
struct LockKeys
{
    std::optional<bool> capsLock;
    std::optional<bool> numLock;
};
LockKeys QueryLockKeys();

// What the caret panel shows and what a screen reader says for it, from 1-based numbers.
QString CaretPositionText(int line, int column);
QString SpokenCaretPosition(int line, int column);

class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget *parent = nullptr);

    QString generalText() const;
    void setGeneralText(const QString &text);
    // Clears a message an action gave; the greeting at start stays until one replaces it.
    void clearActionMessage();
    // A message about the start itself, kept like the greeting.
    void setStartText(const QString &text);
    QString modifiedText() const;
    void setModifiedText(const QString &text);
    // The caret's line and column, counted from 1.
    QString caretPositionText() const;
    void showCaretPosition(int line, int column);
    QString encodingText() const;
    void setEncodingText(const QString &text);

    // Shows the lock keys; a key the platform cannot report shows its caption greyed.
    void showLockKeys(const LockKeys &keys);
    void refreshLockKeys();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addPanel(const QString &key, const QString &text, int stretch);

    QLabel *m_general = nullptr;
    bool m_actionMessage = false;
    QLabel *m_caretPosition = nullptr;
    QLabel *m_encoding = nullptr;
    QLabel *m_modified = nullptr;
    QLabel *m_capsLock = nullptr;
    QLabel *m_numLock = nullptr;
};
