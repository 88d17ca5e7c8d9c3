#pragma once

// The small controls the main window's tabs are made of, named as the tests
// and the screenshots find them.

#include <QString>

class QComboBox;
class QLabel;
class QToolButton;
class QWidget;

QLabel* namedLabel(const QString& text, const char* name, QWidget* parent);

// A flat toolbar button; `toggle` makes it stay down until pressed again.
QToolButton* speedButton(const QString& caption, const char* name, QWidget* parent, bool toggle = false);

// The selectors may list the whole history: their width comes from a fixed
// text length and their list from uniform rows, never from measuring every item.
QComboBox* issueSelector(const char* name, QWidget* parent);
