#pragma once

// Every colour the interface draws with, one table per scheme: the light
// table holds the colours the program has always used, the dark one their
// counterparts on a dark background. Widgets ask for a role, never for a
// literal colour, and redraw on schemeChanged.

#include <QColor>
#include <QObject>
#include <QString>

enum class SchemeChoice
{
    System, // 跟随系统: light or dark as the desktop's palette is
    Light,  // 浅色
    Dark    // 深色
};

struct SchemeColours
{
    bool dark = false;
    // Text that marks a hint, a warning, information or success.
    QColor alertText, infoText, goodText, mutedText;
    QColor plainText; // text drawn by hand where the palette's is not at hand
    // The history grid.
    QColor paleCell, plainCell, headerText;
    QColor digitInk[3]; // hits of the three positions
    QColor issueInk, spanInk, primeInk, numberInk;
    QColor footerTitleText, footerTitleFill, footerFill[2];
    QColor footerText;    // the figures on footerFill
    QColor footerEmpty;   // footer cells without a figure
    QColor highlight;     // the row or column picked out
    QColor omissionText;  // omission figures in empty cells
    QColor selectedPanel; // a chosen digit of the selection window
    QColor warnFill;      // a condition that keeps too few bets
    QColor heat[5];       // omission bands, none drawn to three times the mean, under plainText
    // 遗漏分析: a hit cell, and the omission figures of the others.
    QColor hitFill, hitText, missText;
    // Charts.
    QColor chartBackground, chartText, chartGridLine;
    QColor positionBars, sumBars, frequencyBars, trendLine, observedBars, expectedBars, expectedBorder, expectedLine;
};

// The table in force; the light one until a scheme is applied.
const SchemeColours& schemeColours();

// The table of a scheme; System reads the desktop's palette.
const SchemeColours& coloursOf(SchemeChoice choice);

// Applies a scheme: the application palette follows it and every widget
// listening to schemeChanged redraws. The desktop's own palette is kept so
// that 跟随系统 can go back to it.
void applyColourScheme(SchemeChoice choice);

// WCAG's contrast of two colours, from 1 (the same) to 21 (black on white);
// every text of the tables keeps at least 4.5 against its fill.
double contrastRatio(const QColor& a, const QColor& b);

// The choice as the options file and the options window name it.
QString schemeName(SchemeChoice choice);
SchemeChoice schemeFromName(const QString& name); // unknown names follow the system

// Tells widgets that paint with the scheme's colours to repaint.
class ColourSchemeSignal : public QObject
{
    Q_OBJECT
public:
    static ColourSchemeSignal& instance();
signals:
    void schemeChanged();
};
