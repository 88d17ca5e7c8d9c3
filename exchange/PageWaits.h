#pragma once

#include <QString>
#include <optional>

// How long a page download waits.
struct PageWaits
{
    int readAgainMs = 500;     // between readings of a loaded page without draws
    int drawsWithinMs = 20000; // after loading, for draws to appear
    int loadWithinMs = 60000;  // for each page to finish loading

    // "READ,DRAWS,LOAD" in milliseconds, each above 0; none for anything else.
    static std::optional<PageWaits> parse(const QString& text);
    QString toString() const;
};
