#pragma once

// Widgets whose text or fill takes a colour of the scheme, kept in step
// when the scheme changes.

#include "ui/widgets/ColourScheme.h"

#include <functional>

class QWidget;

// Runs `apply` now and again at every change of the scheme, for as long as
// `widget` lives.
void followScheme(QWidget* widget, const std::function<void()>& apply);

// The widget's text (labels, buttons, cells) in the scheme's `role`.
void inkText(QWidget* widget, QColor SchemeColours::*role);

// Every tab of `tabs` `size` big. Not a style sheet: under one, every widget
// keeps the palette it had when the sheet was applied and never takes
// another scheme's.
class QSize;
class QTabWidget;
void setTabSize(QTabWidget* tabs, const QSize& size);

class QTableWidget;
class QTableWidgetItem;

// Cells of a table coloured from the scheme (heat bands, warnings): each
// cell keeps the key it was given, and its colours are looked up again by
// that key whenever the scheme changes, wherever sorting has moved it.
class SchemeCells
{
public:
    struct Look
    {
        QColor fill, ink; // invalid: the table's own
    };
    // `look` reads schemeColours() for a key.
    SchemeCells(QTableWidget* table, std::function<Look(int key)> look);

    void colour(QTableWidgetItem* cell, int key) const;

private:
    std::function<Look(int key)> m_look;
};
