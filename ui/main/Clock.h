#pragma once

#include <QString>

// Current date and time in the system locale's short date and long time.
QString clockText();
