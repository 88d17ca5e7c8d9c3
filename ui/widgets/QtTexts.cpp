#include "ui/widgets/QtTexts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHash>
#include <QTranslator>

QString chineseButtonText(int standardButton)
{
    switch (standardButton) {
    case QDialogButtonBox::Ok:
        return QStringLiteral("确定");
    case QDialogButtonBox::Cancel:
        return QStringLiteral("取消");
    case QDialogButtonBox::Yes:
        return QStringLiteral("是(&Y)");
    case QDialogButtonBox::No:
        return QStringLiteral("否(&N)");
    case QDialogButtonBox::YesToAll:
        return QStringLiteral("全部是(&A)");
    case QDialogButtonBox::NoToAll:
        return QStringLiteral("全部否(&O)");
    case QDialogButtonBox::Save:
        return QStringLiteral("保存");
    case QDialogButtonBox::SaveAll:
        return QStringLiteral("全部保存");
    case QDialogButtonBox::Open:
        return QStringLiteral("打开");
    case QDialogButtonBox::Close:
        return QStringLiteral("关闭");
    case QDialogButtonBox::Discard:
        return QStringLiteral("放弃");
    case QDialogButtonBox::Apply:
        return QStringLiteral("应用");
    case QDialogButtonBox::Reset:
        return QStringLiteral("重置");
    case QDialogButtonBox::RestoreDefaults:
        return QStringLiteral("恢复默认值");
    case QDialogButtonBox::Help:
        return QStringLiteral("帮助");
    case QDialogButtonBox::Abort:
        return QStringLiteral("中止");
    case QDialogButtonBox::Retry:
        return QStringLiteral("重试");
    case QDialogButtonBox::Ignore:
        return QStringLiteral("忽略");
    default:
        return {};
    }
}

namespace {

// Answers Qt's own texts by their English source, whatever the context:
// the platform theme's button captions, the file dialog and its model, and
// the edit menu of a text box.
class ChineseQtTexts : public QTranslator
{
public:
    ChineseQtTexts() : QTranslator(QCoreApplication::instance())
    {
        const std::pair<const char*, int> buttons[] = {
            {"OK", QDialogButtonBox::Ok},
            {"&OK", QDialogButtonBox::Ok},
            {"Cancel", QDialogButtonBox::Cancel},
            {"&Cancel", QDialogButtonBox::Cancel},
            {"&Yes", QDialogButtonBox::Yes},
            {"&No", QDialogButtonBox::No},
            {"Yes to &All", QDialogButtonBox::YesToAll},
            {"N&o to All", QDialogButtonBox::NoToAll},
            {"Save", QDialogButtonBox::Save},
            {"Save All", QDialogButtonBox::SaveAll},
            {"Open", QDialogButtonBox::Open},
            {"Close", QDialogButtonBox::Close},
            {"&Close", QDialogButtonBox::Close},
            {"Discard", QDialogButtonBox::Discard},
            {"Apply", QDialogButtonBox::Apply},
            {"Reset", QDialogButtonBox::Reset},
            {"Restore Defaults", QDialogButtonBox::RestoreDefaults},
            {"Help", QDialogButtonBox::Help},
            {"Abort", QDialogButtonBox::Abort},
            {"Retry", QDialogButtonBox::Retry},
            {"Ignore", QDialogButtonBox::Ignore},
        };
        for (const auto& [source, button] : buttons)
            m_texts.insert(QByteArray(source), chineseButtonText(button));
        const std::pair<const char*, const char*> texts[] = {
            {"&Save", "保存(&S)"},
            {"&Open", "打开(&O)"},
            {"&Choose", "选择(&C)"},
            {"Close without Saving", "关闭且不保存"},
            {"Look in:", "查找范围："},
            {"File &name:", "文件名(&N)："},
            {"File name:", "文件名："},
            {"Files of type:", "文件类型："},
            {"Directory:", "文件夹："},
            {"Back", "后退"},
            {"Forward", "前进"},
            {"Parent Directory", "上一级文件夹"},
            {"Create New Folder", "新建文件夹"},
            {"List View", "列表"},
            {"Detail View", "详细信息"},
            {"New Folder", "新建文件夹"},
            {"&New Folder", "新建文件夹(&N)"},
            {"&Rename", "重命名(&R)"},
            {"&Delete", "删除(&D)"},
            {"Show &hidden files", "显示隐藏文件(&H)"},
            {"Recent Places", "最近访问"},
            {"Computer", "计算机"},
            {"My Computer", "计算机"},
            {"Sidebar", "侧栏"},
            {"Save As", "另存为"},
            {"Find Directory", "选择文件夹"},
            {"All Files (*)", "所有文件 (*)"},
            {"%1 already exists.\nDo you want to replace it?", "%1 已经存在。\n要替换它吗？"},
            {"Are you sure you want to delete '%1'?", "确实要删除“%1”吗？"},
            {"Could not delete directory.", "无法删除文件夹。"},
            {"%1\nFile not found.\nPlease verify the correct file name was given.",
             "%1\n找不到文件。\n请确认文件名是否正确。"},
            {"%1\nDirectory not found.\nPlease verify the correct directory name was given.",
             "%1\n找不到文件夹。\n请确认文件夹名是否正确。"},
            {"'%1' is write protected.\nDo you want to delete it anyway?", "“%1”是写保护的。\n仍要删除吗？"},
            {"Name", "名称"},
            {"Size", "大小"},
            {"Type", "类型"},
            {"Date Modified", "修改日期"},
            {"Folder", "文件夹"},
            {"File Folder", "文件夹"},
            {"%1 File", "%1 文件"},
            {"File", "文件"},
            {"Drive", "驱动器"},
            {"Shortcut", "快捷方式"},
            {"Unknown", "未知"},
            {"&Undo", "撤销(&U)"},
            {"&Redo", "重做(&R)"},
            {"Cu&t", "剪切(&T)"},
            {"&Copy", "复制(&C)"},
            {"&Paste", "粘贴(&P)"},
            {"Delete", "删除"},
            {"Select All", "全选"},
            {"Copy &Link Location", "复制链接地址(&L)"},
        };
        for (const auto& [source, text] : texts)
            m_texts.insert(QByteArray(source), QString::fromUtf8(text));
    }

    QString translate(const char* /*context*/, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        return m_texts.value(QByteArray(sourceText));
    }
    bool isEmpty() const override { return false; }

private:
    QHash<QByteArray, QString> m_texts;
};

} // namespace

void installChineseQtTexts()
{
    static bool installed = false;
    if (installed || !QCoreApplication::instance())
        return;
    installed = QCoreApplication::installTranslator(new ChineseQtTexts);
}
