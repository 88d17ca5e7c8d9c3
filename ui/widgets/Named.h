#pragma once

#include <QString>

// Gives a control its object name; returns it for the member it goes into.
// The name is what the tests and the screenshots find the control by.
template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
