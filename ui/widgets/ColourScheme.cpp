#include "ui/widgets/ColourScheme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

SchemeColours lightColours()
{
    SchemeColours c;
    c.dark = false;
    c.alertText = QColor(184, 0, 0);
    c.infoText = QColor(0, 0, 255);
    c.goodText = QColor(0, 104, 0);
    c.mutedText = QColor(104, 104, 104);
    c.plainText = QColor(0, 0, 0);
    c.paleCell = QColor(236, 247, 255);
    c.plainCell = QColor(255, 255, 255);
    c.headerText = QColor(0, 0, 0);
    c.digitInk[0] = QColor(184, 0, 0);
    c.digitInk[1] = QColor(0, 0, 255);
    c.digitInk[2] = QColor(176, 0, 88);
    c.issueInk = QColor(0, 0, 255);
    c.spanInk = QColor(128, 0, 128);
    c.primeInk = QColor(0, 104, 0);
    c.numberInk = QColor(160, 0, 160);
    c.footerTitleText = QColor(0, 0, 255);
    c.footerTitleFill = QColor(255, 255, 255);
    c.footerFill[0] = QColor(187, 226, 255);
    c.footerFill[1] = QColor(236, 247, 255);
    c.footerText = QColor(0, 0, 0);
    c.footerEmpty = QColor(255, 255, 0);
    c.highlight = QColor(192, 220, 192);
    c.omissionText = QColor(108, 108, 108);
    c.selectedPanel = QColor(0, 255, 255);
    c.warnFill = QColor(250, 150, 140);
    c.heat[0] = QColor(215, 215, 215);
    c.heat[1] = QColor(222, 242, 222);
    c.heat[2] = QColor(255, 243, 190);
    c.heat[3] = QColor(255, 208, 150);
    c.heat[4] = QColor(250, 150, 140);
    c.hitFill = QColor(220, 0, 0);
    c.hitText = QColor(255, 255, 255);
    c.missText = QColor(100, 92, 220);
    c.chartBackground = QColor(255, 255, 255);
    c.chartText = QColor(0, 0, 0);
    c.chartGridLine = QColor(220, 220, 220);
    c.positionBars = QColor(0, 128, 128);
    c.sumBars = QColor(64, 128, 128);
    c.frequencyBars = QColor(64, 128, 128);
    c.trendLine = QColor(255, 0, 0);
    c.observedBars = QColor(70, 120, 200);
    c.expectedBars = QColor(200, 200, 200);
    c.expectedBorder = QColor(150, 150, 150);
    c.expectedLine = QColor(0, 0, 255);
    return c;
}

// The same roles on a dark ground: lighter inks, darker fills, every text
// at least 4.5 times as bright as its background.
SchemeColours darkColours()
{
    SchemeColours c;
    c.dark = true;
    c.alertText = QColor(255, 120, 120);
    c.infoText = QColor(130, 175, 255);
    c.goodText = QColor(120, 210, 120);
    c.mutedText = QColor(160, 160, 160);
    c.plainText = QColor(225, 225, 225);
    c.paleCell = QColor(34, 44, 56);
    c.plainCell = QColor(28, 28, 30);
    c.headerText = QColor(225, 225, 225);
    c.digitInk[0] = QColor(255, 120, 120);
    c.digitInk[1] = QColor(130, 175, 255);
    c.digitInk[2] = QColor(255, 130, 200);
    c.issueInk = QColor(130, 175, 255);
    c.spanInk = QColor(205, 150, 255);
    c.primeInk = QColor(120, 210, 120);
    c.numberInk = QColor(255, 140, 255);
    c.footerTitleText = QColor(130, 175, 255);
    c.footerTitleFill = QColor(28, 28, 30);
    c.footerFill[0] = QColor(36, 66, 96);
    c.footerFill[1] = QColor(34, 44, 56);
    c.footerText = QColor(225, 225, 225);
    c.footerEmpty = QColor(80, 80, 30);
    c.highlight = QColor(34, 62, 34);
    c.omissionText = QColor(150, 150, 150);
    c.selectedPanel = QColor(0, 104, 112);
    c.warnFill = QColor(120, 50, 45);
    c.heat[0] = QColor(70, 70, 70);
    c.heat[1] = QColor(40, 75, 40);
    c.heat[2] = QColor(95, 85, 30);
    c.heat[3] = QColor(115, 70, 25);
    c.heat[4] = QColor(120, 45, 40);
    c.hitFill = QColor(160, 30, 30);
    c.hitText = QColor(255, 255, 255);
    c.missText = QColor(177, 173, 254);
    c.chartBackground = QColor(36, 36, 40);
    c.chartText = QColor(225, 225, 225);
    c.chartGridLine = QColor(70, 70, 75);
    c.positionBars = QColor(0, 160, 160);
    c.sumBars = QColor(80, 160, 160);
    c.frequencyBars = QColor(80, 160, 160);
    c.trendLine = QColor(255, 110, 110);
    c.observedBars = QColor(100, 150, 230);
    c.expectedBars = QColor(110, 110, 115);
    c.expectedBorder = QColor(150, 150, 150);
    c.expectedLine = QColor(130, 175, 255);
    return c;
}

QPalette darkPalette()
{
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 32), text(225, 225, 225), button(55, 55, 58);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(40, 40, 44));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 120, 120));
    p.setColor(QPalette::Highlight, QColor(42, 110, 190));
    p.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    p.setColor(QPalette::Link, QColor(130, 175, 255));
    p.setColor(QPalette::LinkVisited, QColor(205, 150, 255));
    p.setColor(QPalette::Light, QColor(80, 80, 84));
    p.setColor(QPalette::Midlight, QColor(65, 65, 68));
    p.setColor(QPalette::Mid, QColor(40, 40, 42));
    p.setColor(QPalette::Dark, QColor(25, 25, 27));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(70, 70, 74));
    return p;
}

// 浅色 starts from the desktop's light palette or the style's, whose
// selection (Fusion's #308cc6) is too pale for white text.
QPalette lightPalette(QPalette palette)
{
    palette.setColor(QPalette::Highlight, QColor(40, 120, 172));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(190, 190, 190));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, QColor(0, 0, 0));
    return palette;
}

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

const SchemeColours& light()
{
    static const SchemeColours colours = lightColours();
    return colours;
}

const SchemeColours& dark()
{
    static const SchemeColours colours = darkColours();
    return colours;
}

const SchemeColours* g_current = nullptr;
std::optional<QPalette> g_desktopPalette; // as the desktop gave it, before any scheme

bool desktopIsDark()
{
    const QPalette desktop = g_desktopPalette ? *g_desktopPalette : QGuiApplication::palette();
    return desktop.color(QPalette::Window).lightness() < 128;
}

} // namespace

const SchemeColours& schemeColours()
{
    return g_current ? *g_current : light();
}

const SchemeColours& coloursOf(SchemeChoice choice)
{
    switch (choice) {
    case SchemeChoice::Light:
        return light();
    case SchemeChoice::Dark:
        return dark();
    case SchemeChoice::System:
        break;
    }
    return desktopIsDark() ? dark() : light();
}

void applyColourScheme(SchemeChoice choice)
{
    if (!g_desktopPalette)
        g_desktopPalette = QGuiApplication::palette();
    const SchemeColours& chosen = coloursOf(choice);
    const bool changed = &chosen != g_current;
    g_current = &chosen;
    // 跟随系统 keeps the desktop's palette whatever it is; 浅色 on a dark
    // desktop takes the style's standard light palette.
    QPalette palette = *g_desktopPalette;
    if (choice == SchemeChoice::Dark)
        palette = darkPalette();
    else if (choice == SchemeChoice::Light)
        palette =
            lightPalette(desktopIsDark() && QApplication::style() ? QApplication::style()->standardPalette() : palette);
    QApplication::setPalette(palette);
    if (changed)
        emit ColourSchemeSignal::instance().schemeChanged();
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double first = relativeLuminance(a), second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QString schemeName(SchemeChoice choice)
{
    switch (choice) {
    case SchemeChoice::Light:
        return QStringLiteral("浅色");
    case SchemeChoice::Dark:
        return QStringLiteral("深色");
    case SchemeChoice::System:
        break;
    }
    return QStringLiteral("跟随系统");
}

SchemeChoice schemeFromName(const QString& name)
{
    if (name == QStringLiteral("浅色"))
        return SchemeChoice::Light;
    if (name == QStringLiteral("深色"))
        return SchemeChoice::Dark;
    return SchemeChoice::System;
}

ColourSchemeSignal& ColourSchemeSignal::instance()
{
    static ColourSchemeSignal signal;
    return signal;
}
