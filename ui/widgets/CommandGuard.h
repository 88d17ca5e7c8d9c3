#pragma once

#include <functional>

class Dialogs;
class QWidget;

// Runs one user command. An error the command does not handle itself (a
// database error, a conversion error, any std::exception) ends the command
// and is shown in the standard error box with its own text. Returns false
// when the command ended that way.
bool runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& command);
