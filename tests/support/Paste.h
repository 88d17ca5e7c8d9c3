#pragma once

// Pasting as a user does: the text on the clipboard, then Ctrl+V in the box.
// Key filters see only the Ctrl+V, never the pasted characters.

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>

inline void paste(QWidget* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}
