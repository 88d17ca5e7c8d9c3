#pragma once

#include "core/DrawRecord.h"

#include <QString>

class DrawStore;

struct EntryOutcome
{
    QString refusal;   // the message to show when nothing was stored
    DrawRecord record; // the stored row otherwise
    bool stored() const { return refusal.isEmpty(); }
};

// Checks the input, refuses an issue already stored, derives the record from
// the previous issue's draw and appends it. Database errors propagate.
EntryOutcome enterDraw(DrawStore& store, const QString& issue, const QString& number);
