#pragma once

#include <QDialog>

class Dialogs;
class QPushButton;
class QTableWidget;

// The saved schemes of the selection window: one to load, or one to delete
// or rename, each asked first. Accepted when a scheme is chosen to load.
class SchemeListWindow : public QDialog
{
    Q_OBJECT
public:
    static const QString kCaption;
    static QString askDelete(const QString& name);                    // 确定要删除方案“<name>”吗？…
    static QString askRename(const QString& from, const QString& to); // 确定要将方案“<from>”改名为“<to>”吗？
    static const QString kRenameTitle;
    static const QString kRenameLabel;

    SchemeListWindow(QString userFolder, Dialogs& dialogs, QWidget* parent = nullptr);

    // The scheme chosen to load; empty before one is chosen.
    QString chosenName() const { return m_chosen; }

    void loadChosen();   // 载入
    void deleteChosen(); // 删除
    void renameChosen(); // 重命名

signals:
    void schemeDeleted(const QString& name);
    void schemeRenamed(const QString& from, const QString& to);

private:
    QString currentName() const;
    // Lists the saved schemes again, `selected` chosen when it is among them.
    void refill(const QString& selected);

    QString m_userFolder;
    Dialogs& m_dialogs;
    QString m_chosen;
    QTableWidget* m_table;
    QPushButton *m_load, *m_rename, *m_delete, *m_close;
};
