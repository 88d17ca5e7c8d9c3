#pragma once

// Pasting as a user does: the text on the clipboard, then Ctrl+V in the box.
// Key filters see only the Ctrl+V, never the pasted characters.

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

inline void paste(QWidget* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// Typing as a user does, one key per character, whatever the character
// (QTest's key clicks take ASCII only).
inline void typeText(QWidget* box, const QString& text)
{
    box->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}
