#include "ui/select/SelectHistory.h"

#include "core/HistoryFilter.h"
#include "core/SelectionText.h"
#include "store/DrawStore.h"
#include "ui/select/DrawnBetsWindow.h"
#include "ui/select/SelectControls.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QuickRange.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFrm_SelectHistory::TFrm_SelectHistory(DrawStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs)
{
    prepareFixedDialog(this, "Frm_SelectHistory", QStringLiteral("历史期数选择"), QString(), 12);

    SeSkinGroupBox1 = new QGroupBox(QStringLiteral("请选择需要过滤的历史期数"), this);
    SeSkinGroupBox1->setObjectName("SeSkinGroupBox1");
    ComboBox1 = new QComboBox(SeSkinGroupBox1);
    ComboBox1->setObjectName("ComboBox1");
    SeSkinLabel1 = new QLabel(QStringLiteral("至"), SeSkinGroupBox1);
    SeSkinLabel1->setObjectName("SeSkinLabel1");
    ComboBox2 = new QComboBox(SeSkinGroupBox1);
    ComboBox2->setObjectName("ComboBox2");
    for (QComboBox* list : {ComboBox1, ComboBox2}) {
        list->setMinimumWidth(90);
        list->setMaxVisibleItems(15);
    }
    auto* range = new QHBoxLayout(SeSkinGroupBox1);
    range->addWidget(ComboBox1, 1);
    range->addWidget(SeSkinLabel1);
    range->addWidget(ComboBox2, 1);
    range->addWidget(new QuickRange(ComboBox1, ComboBox2, SeSkinGroupBox1, QuickRange::Look::Menu));

    SeSkinButton1 = new QPushButton(QStringLiteral("确定"), this);
    SeSkinButton1->setObjectName("SeSkinButton1");
    SeSkinButton2 = new QPushButton(QStringLiteral("退出"), this);
    SeSkinButton2->setObjectName("SeSkinButton2");
    for (QPushButton* button : {SeSkinButton1, SeSkinButton2}) {
        button->setAutoDefault(false);
        button->setFixedSize(76, 26);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SeSkinButton1);
    buttons->addWidget(SeSkinButton2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SeSkinGroupBox1);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(281, 150);

    connect(SeSkinButton1, &QPushButton::clicked, this, &TFrm_SelectHistory::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TFrm_SelectHistory::SeSkinButton2Click);
}

void TFrm_SelectHistory::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen(this);
    runGuarded(m_dialogs, this, [this] { FormShow(); });
}

void TFrm_SelectHistory::FormShow()
{
    const QStringList issues = m_store.issueList();
    for (QComboBox* list : {ComboBox1, ComboBox2}) {
        list->clear();
        list->addItems(issues);
    }
    ComboBox1->setCurrentIndex(issues.isEmpty() ? -1 : 0);
    ComboBox2->setCurrentIndex(int(issues.size()) - 1);
}

void TFrm_SelectHistory::SeSkinButton1Click()
{
    if (!m_bets)
        return;
    runGuarded(m_dialogs, this, [this] {
        const DrawnIssues drawn(m_store.numbersInRange(ComboBox1->currentText(), ComboBox2->currentText()));
        BetList bets = *m_bets;
        int removed = 0;
        // Nothing to decide when none of the list was drawn: only the count is said.
        if (const std::vector<DrawnBet> listed = drawnBets(bets, drawn); !listed.empty()) {
            DrawnBetsWindow choice(listed, drawn.distinctNumbers(), this);
            switch (m_dialogs.exec(&choice)) {
            case DrawnBetsWindow::RemoveAll:
                removed = removeDrawnBets(bets, drawn);
                break;
            case DrawnBetsWindow::KeepAll:
                break;
            case DrawnBetsWindow::OneByOne:
                removed = filterDrawnBets(bets, drawn, [&](const QString& bet, const QString& issue) {
                    // The list as thinned so far stays on show while the user decides.
                    emit betsThinned(bets);
                    return askAboutDrawn(bet, issue);
                });
                break;
            default: // 取消: back to the range, the list untouched
                return;
            }
        }
        m_bets = bets;
        emit betsThinned(bets);
        m_dialogs.message(this, SelectText::filtered(removed));
        emit filtered(bets, removed);
        close();
    });
}

DrawnAnswer TFrm_SelectHistory::askAboutDrawn(const QString& bet, const QString& issue)
{
    switch (m_dialogs.askButtons(this, SelectText::kAskTitle, SelectText::askDrawn(bet, issue),
                                 {SelectText::kRemoveOne, SelectText::kCancel, SelectText::kRemoveRest})) {
    case 0:
        return DrawnAnswer::Remove;
    case 2:
        return DrawnAnswer::RemoveRest;
    default: // 取消 or the box closed: the bet stays, as it always did
        return DrawnAnswer::Keep;
    }
}

void TFrm_SelectHistory::SeSkinButton2Click()
{
    close();
}
