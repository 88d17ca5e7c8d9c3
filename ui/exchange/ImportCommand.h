#pragma once

#include <QString>
#include <functional>

class Dialogs;
class DrawStore;
class QWidget;

// "数据导入...": asks for a history file, reads it, asks before leaving out
// malformed lines, stores the draws in one transaction (with a progress box
// whose Cancel rolls everything back) and shows the summary. `showHistory`
// runs before the summary when draws were added, so the window behind shows them.
void importHistoryFile(QWidget* parent, DrawStore& store, Dialogs& dialogs, const QString& folder,
                       const std::function<void()>& showHistory);
