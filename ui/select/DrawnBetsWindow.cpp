#include "ui/select/DrawnBetsWindow.h"

#include "core/SelectionText.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/NumberItem.h"
#include "ui/widgets/ResultTable.h"
#include "ui/widgets/SchemeInk.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

const QString DrawnBetsWindow::kCaption = QStringLiteral("已开出的投注");

DrawnBetsWindow::DrawnBetsWindow(const std::vector<DrawnBet>& drawn, int distinctNumbers, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DrawnBetsWindow");
    setWindowTitle(kCaption);
    resize(480, 420);

    m_summary = named(new QLabel(QStringLiteral("列表中有%1注号码已在所选范围内开出：").arg(drawn.size()), this),
                      "drawnSummary");
    m_warning = named(new QLabel(SelectText::nearlyEveryNumber(distinctNumbers), this), "drawnWarning");
    m_warning->setWordWrap(true);
    inkText(m_warning, &SchemeColours::alertText);
    m_warning->setVisible(distinctNumbers >= HistoryFilterLimits::kNearlyEveryNumber);

    m_table = resultTable({QStringLiteral("号码"), QStringLiteral("开出期号"), QStringLiteral("次数")},
                          "drawnBetsTable", 22, this);
    m_table->setRowCount(int(drawn.size()));
    for (int row = 0; row < int(drawn.size()); ++row) {
        const DrawnBet& bet = drawn[size_t(row)];
        m_table->setItem(row, 0, new NumberItem(bet.bet.text(), bet.bet.value));
        auto* issues = new QTableWidgetItem(bet.issues.join(QLatin1Char(' ')));
        issues->setToolTip(bet.issues.join(QLatin1Char('\n')));
        m_table->setItem(row, 1, issues);
        m_table->setItem(row, 2, new NumberItem(QString::number(bet.issues.size()), double(bet.issues.size())));
    }
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->setColumnWidth(0, 70);
    m_table->setColumnWidth(2, 60);

    m_removeAll = named(new QPushButton(SelectText::kRemoveAll, this), "removeAllButton");
    m_removeAll->setToolTip(QStringLiteral("从列表中去掉上面全部号码"));
    m_keepAll = named(new QPushButton(SelectText::kKeepAll, this), "keepAllButton");
    m_keepAll->setToolTip(QStringLiteral("列表保持不变"));
    m_oneByOne = named(new QPushButton(SelectText::kOneByOne, this), "oneByOneButton");
    m_oneByOne->setToolTip(QStringLiteral("对每注号码逐一询问是否去掉，随时可以全部去掉其余"));
    m_cancel = named(new QPushButton(SelectText::kCancel, this), "cancelButton");
    m_cancel->setToolTip(QStringLiteral("回到期数选择，列表不变"));
    for (QPushButton* button : {m_removeAll, m_keepAll, m_oneByOne, m_cancel})
        button->setAutoDefault(false);
    connect(m_removeAll, &QPushButton::clicked, this, [this] { done(RemoveAll); });
    connect(m_keepAll, &QPushButton::clicked, this, [this] { done(KeepAll); });
    connect(m_oneByOne, &QPushButton::clicked, this, [this] { done(OneByOne); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_removeAll, m_keepAll, m_oneByOne, m_cancel})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_warning);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
}
