#pragma once

// Lists of small values typed by the user: candidate digits ("135",
// "1 3 5") and the values of a filter (和值 "3 12 25").

#include <QString>
#include <vector>

struct TypedValues
{
    std::vector<int> values; // in typing order, each once
    QString problem;         // empty when the text was read whole

    bool ok() const { return problem.isEmpty(); }
};

// Reads values 0..`highest`, each at most once (a repeat is dropped, the first
// place kept). Spaces, commas and 、 separate values; up to 9 the digits may
// also run together ("135"). Anything else is refused whole with a problem
// naming it.
TypedValues readTypedValues(const QString& text, int highest);

// The values as the box shows them: digits run together up to 9, else
// separated by a space.
QString typedValuesText(const std::vector<int>& values, int highest);
