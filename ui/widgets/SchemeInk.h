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
