#include "ui/widgets/SchemeInk.h"

#include <QPalette>
#include <QWidget>

void followScheme(QWidget* widget, const std::function<void()>& apply)
{
    apply();
    QObject::connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, widget, apply);
}

void inkText(QWidget* widget, QColor SchemeColours::*role)
{
    followScheme(widget, [widget, role] {
        QPalette palette = widget->palette();
        const QColor ink = schemeColours().*role;
        for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(text, ink);
        widget->setPalette(palette);
    });
}
