#include "ui/main/HistoryCheckWindow.h"

#include "core/DrawRecord.h"
#include "core/HistoryCheck.h"
#include "core/ShownText.h"
#include "store/DrawStore.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

const QString HistoryCheckWindow::kCaption = QStringLiteral("数据检查");

namespace {

const QString kAskTitle = QStringLiteral("提示");


} // namespace

HistoryCheckWindow::HistoryCheckWindow(DrawStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs)
{
    setObjectName("HistoryCheckWindow");
    setWindowTitle(kCaption);
    resize(640, 480);

    m_summary = named(new QLabel(this), "summaryLabel");
    m_summary->setWordWrap(true);
    m_problems = named(new QTableWidget(0, 3, this), "problemTable");
    m_problems->setHorizontalHeaderLabels({QStringLiteral("类别"), QStringLiteral("期号"), QStringLiteral("说明")});
    m_problems->horizontalHeader()->setStretchLastSection(true);
    m_problems->setColumnWidth(0, 110);
    m_problems->setColumnWidth(1, 90);
    m_problems->verticalHeader()->hide();
    m_problems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problems->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_problems->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_problems, &QTableWidget::itemSelectionChanged, this, &HistoryCheckWindow::pickRow);

    m_issue = named(new QLineEdit(this), "issueEdit");
    m_issue->setFixedWidth(110);
    m_number = named(new QLineEdit(this), "numberEdit");
    m_number->setFixedWidth(50);
    m_number->setMaxLength(3);
    m_number->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this));
    m_change = named(new QPushButton(QStringLiteral("修改号码"), this), "changeNumberButton");
    m_rederive = named(new QPushButton(QStringLiteral("重新计算"), this), "rederiveButton");
    m_unify = named(new QPushButton(QStringLiteral("统一期号"), this), "unifyWidthButton");
    auto* close = named(new QPushButton(QStringLiteral("关闭"), this), "closeButton");
    m_change->setToolTip(QStringLiteral("把所选一期的开奖号码改为输入的号码，并重新计算受影响的各期"));
    m_rederive->setToolTip(QStringLiteral("按开奖号码重新计算每期的和值、跨度、形态等各列，改正不一致的记录"));
    m_unify->setToolTip(QStringLiteral("把长短不一的期号统一为同一种写法（如 25001 与 2025001）"));
    connect(m_change, &QPushButton::clicked, this, &HistoryCheckWindow::changeNumber);
    connect(m_rederive, &QPushButton::clicked, this, &HistoryCheckWindow::rederiveAll);
    connect(m_unify, &QPushButton::clicked, this, &HistoryCheckWindow::unifyWidth);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* edit = new QHBoxLayout;
    edit->addWidget(new QLabel(QStringLiteral("期号："), this));
    edit->addWidget(m_issue);
    edit->addWidget(new QLabel(QStringLiteral("新号码："), this));
    edit->addWidget(m_number);
    edit->addWidget(m_change);
    edit->addStretch();
    edit->addWidget(m_unify);
    edit->addWidget(m_rederive);
    edit->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_problems, 1);
    layout->addLayout(edit);

    refresh();
}

void HistoryCheckWindow::refresh()
{
    runGuarded(m_dialogs, this, [this] {
        const std::vector<DrawRecord> records = m_store.allRecords();
        const HistoryProblems problems = checkHistory(records, m_store.game());
        m_problems->setRowCount(0);
        auto add = [this](const QString& kind, const QStringList& issues, const QString& note) {
            for (const QString& issue : issues) {
                const int row = m_problems->rowCount();
                m_problems->insertRow(row);
                m_problems->setItem(row, 0, new QTableWidgetItem(kind));
                m_problems->setItem(row, 1, new QTableWidgetItem(issue));
                m_problems->setItem(row, 2, new QTableWidgetItem(note));
            }
        };
        add(QStringLiteral("缺失期号"), problems.missing, QStringLiteral("本年期号序列中缺少这一期"));
        add(QStringLiteral("期号位数异常"), problems.oddWidth,
            QStringLiteral("期号应为5位（如08123）或7位（如2025217），且与其余期号位数相同，可用“统一期号”修复"));
        add(QStringLiteral("派生数据不符"), problems.stale,
            QStringLiteral("和值、比例、同号数等与开奖号码不符，可用“重新计算”修复"));
        for (const ImpossibleIssue& impossible : problems.impossible)
            add(QStringLiteral("期号不存在"), {impossible.issue},
                impossible.why + QStringLiteral("，可改正期号后重新录入，再删除这一期"));
        add(QStringLiteral("期号重复"), problems.duplicates,
            QStringLiteral("同一期存了不止一行，可删除这一期后重新录入"));
        m_summary->setText(
            problems.none() ? QStringLiteral("共检查 %1 期，数据完整，未发现问题。").arg(records.size())
                            : QStringLiteral("共检查 %1 期：缺失期号 %2 个，期号位数异常 %3 个，派生数据不符 %4 期，"
                                             "期号不存在 %5 个，期号重复 %6 个。")
                                  .arg(records.size())
                                  .arg(problems.missing.size())
                                  .arg(problems.oddWidth.size())
                                  .arg(problems.stale.size())
                                  .arg(problems.impossible.size())
                                  .arg(problems.duplicates.size()));
    });
}

void HistoryCheckWindow::pickRow()
{
    const QList<QTableWidgetItem*> selected = m_problems->selectedItems();
    for (QTableWidgetItem* item : selected)
        if (item->column() == 1)
            m_issue->setText(item->text());
}

void HistoryCheckWindow::rederiveAll()
{
    if (!m_dialogs.askOkCancel(this, kAskTitle,
                               QStringLiteral("将按期号和开奖号码重新计算全部记录的派生数据，是否继续！")))
        return;
    runGuarded(m_dialogs, this, [this] {
        const int changed = m_store.rederiveAll();
        emit historyChanged();
        refresh();
        m_dialogs.confirm(this, QStringLiteral("重新计算完成，共更新 %1 条记录。").arg(changed));
    });
}

void HistoryCheckWindow::changeNumber()
{
    const QString issue = m_issue->text().trimmed();
    const QString number = m_number->text();
    runGuarded(m_dialogs, this, [&] {
        if (issue.isEmpty())
            return m_dialogs.message(this, QStringLiteral("请先选择或输入要修改的期号！"));
        const std::optional<DrawRecord> stored = m_store.oneIssue(issue);
        if (!stored)
            return m_dialogs.message(this, QStringLiteral("第 %1 期不存在，请确认期号！").arg(shownText(issue)));
        if (!isDrawNumber(number))
            return m_dialogs.message(this, QStringLiteral("开奖号码必须是3位数字！"));
        if (!m_dialogs.askOkCancel(this, kAskTitle,
                                   QStringLiteral("准备将第 %1 期的开奖号码由 %2 改为 %3，是否继续！")
                                       .arg(issue, stored->allNumber, number)))
            return;
        m_store.changeNumber(issue, number);
        emit historyChanged();
        refresh();
        m_dialogs.confirm(this, QStringLiteral("修改成功，第 %1 期的开奖号码已改为 %2。").arg(issue, number));
    });
}

void HistoryCheckWindow::unifyWidth()
{
    runGuarded(m_dialogs, this, [this] {
        const int width = m_store.issueWidth();
        const WidthRepair plan = planWidthRepair(m_store.issueList(), width, m_store.game());
        if (plan.renames.empty() && plan.conflicts.isEmpty())
            return m_dialogs.message(this, QStringLiteral("没有可以统一位数的期号。"));
        if (plan.conflicts.isEmpty() &&
            !m_dialogs.askOkCancel(
                this, kAskTitle,
                QStringLiteral("将把 %1 个期号统一为 %2 位（如 %3 改为 %4），并重新计算相关记录，是否继续！")
                    .arg(plan.renames.size())
                    .arg(width)
                    .arg(plan.renames.front().from, plan.renames.front().to)))
            return;
        const WidthRepair done = m_store.unifyIssueWidth();
        if (!done.conflicts.isEmpty()) {
            QStringList shown;
            for (const QString& issue : done.conflicts.mid(0, 10))
                shown << shownText(issue);
            if (done.conflicts.size() > shown.size())
                shown << QStringLiteral("……另有%1个").arg(done.conflicts.size() - shown.size());
            return m_dialogs.message(
                this,
                QStringLiteral("统一期号失败，没有做任何修改：以下期号统一后与已有期号重复，请先删除其中一期。\n") +
                    shown.join(QLatin1Char('\n')));
        }
        emit historyChanged();
        refresh();
        m_dialogs.confirm(this, QStringLiteral("统一期号完成，共修改 %1 个期号。").arg(done.renames.size()));
    });
}
