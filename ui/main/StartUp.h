#pragma once

#include <QString>
#include <memory>

class Dialogs;
class DrawStore;
class QApplication;

// Opens <appDir>/db1.mdb. When it is missing, unreadable or of another key,
// shows the start-up failure message and returns null: the application ends.
std::unique_ptr<DrawStore> openDrawStore(const QString& appDir, Dialogs& dialogs);

// Title, the 宋体 font mapped to an installed CJK sans face, and Qt's own
// texts (dialog buttons, context menus) in Chinese.
void prepareApplication(QApplication& app);
