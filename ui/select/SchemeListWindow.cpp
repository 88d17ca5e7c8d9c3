#include "ui/select/SchemeListWindow.h"

#include "exchange/SchemeFile.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ResultTable.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

const QString SchemeListWindow::kCaption = QStringLiteral("载入方案");
const QString SchemeListWindow::kRenameTitle = QStringLiteral("重命名方案");
const QString SchemeListWindow::kRenameLabel = QStringLiteral("新的方案名称：");

QString SchemeListWindow::askDelete(const QString& name)
{
    return QStringLiteral("确定要删除方案“%1”吗？删除后无法恢复。").arg(name);
}

QString SchemeListWindow::askRename(const QString& from, const QString& to)
{
    return QStringLiteral("确定要将方案“%1”改名为“%2”吗？").arg(from, to);
}

SchemeListWindow::SchemeListWindow(QString userFolder, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_userFolder(std::move(userFolder)), m_dialogs(dialogs)
{
    setObjectName("SchemeListWindow");
    setWindowTitle(kCaption);
    resize(360, 320);
    m_table = resultTable({QStringLiteral("方案名称")}, "schemeTable", 22, this);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_load = named(new QPushButton(QStringLiteral("载入"), this), "loadButton");
    m_rename = named(new QPushButton(QStringLiteral("重命名..."), this), "renameButton");
    m_rename->setToolTip(QStringLiteral("给选中的方案换一个名称"));
    m_delete = named(new QPushButton(QStringLiteral("删除"), this), "deleteButton");
    m_delete->setToolTip(QStringLiteral("删除选中的方案（先询问）"));
    m_close = named(new QPushButton(QStringLiteral("关闭"), this), "closeButton");
    m_load->setDefault(true);
    connect(m_load, &QPushButton::clicked, this, &SchemeListWindow::loadChosen);
    connect(m_rename, &QPushButton::clicked, this, &SchemeListWindow::renameChosen);
    connect(m_delete, &QPushButton::clicked, this, &SchemeListWindow::deleteChosen);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &SchemeListWindow::loadChosen);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_load, m_rename, m_delete})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    refill(QString());
}

QString SchemeListWindow::currentName() const
{
    const QTableWidgetItem* item = m_table->currentRow() < 0 ? nullptr : m_table->item(m_table->currentRow(), 0);
    return item ? item->text() : QString();
}

void SchemeListWindow::refill(const QString& selected)
{
    const QStringList names = Schemes::names(m_userFolder);
    m_table->setRowCount(int(names.size()));
    for (int row = 0; row < int(names.size()); ++row)
        m_table->setItem(row, 0, new QTableWidgetItem(names[row]));
    const int row = std::max(0, int(names.indexOf(selected)));
    if (!names.isEmpty())
        m_table->setCurrentCell(row, 0);
    for (QPushButton* button : {m_load, m_rename, m_delete})
        button->setEnabled(!names.isEmpty());
}

void SchemeListWindow::loadChosen()
{
    m_chosen = currentName();
    if (!m_chosen.isEmpty())
        accept();
}

void SchemeListWindow::deleteChosen()
{
    const QString name = currentName();
    if (name.isEmpty() || !m_dialogs.askYesNo(this, askDelete(name)))
        return;
    runGuarded(m_dialogs, this, [&] {
        try {
            Schemes::remove(m_userFolder, name);
        } catch (const SchemeError& error) {
            m_dialogs.message(this, error.text());
        }
        refill(QString());
        if (!Schemes::exists(m_userFolder, name))
            emit schemeDeleted(name);
    });
}

void SchemeListWindow::renameChosen()
{
    const QString from = currentName();
    if (from.isEmpty())
        return;
    const std::optional<QString> typed = m_dialogs.askText(this, kRenameTitle, kRenameLabel, from);
    if (!typed)
        return;
    const QString to = typed->trimmed();
    if (to == from)
        return;
    if (const QString problem = Schemes::renameProblem(m_userFolder, from, to); !problem.isEmpty()) {
        m_dialogs.message(this, problem);
        return;
    }
    if (!m_dialogs.askYesNo(this, askRename(from, to)))
        return;
    runGuarded(m_dialogs, this, [&] {
        try {
            Schemes::rename(m_userFolder, from, to);
        } catch (const SchemeError& error) {
            m_dialogs.message(this, error.text());
            return;
        }
        refill(to);
        emit schemeRenamed(from, to);
    });
}
