// Building the main window's controls. Handlers live in Main.cpp and
// MainCommands.cpp; this file only makes and places widgets.
#include "ui/main/FirstStartHint.h"
#include "ui/main/HistoryColumns.h"
#include "ui/main/HistoryModel.h"
#include "ui/main/Main.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/IssueListModel.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/QuickRange.h"
#include "ui/widgets/SchemeInk.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

void TFrmMain::buildMenu()
{
    // "(&X)" gives each menu and item its Alt key; the frequent commands also
    // carry a shortcut, which the menu shows beside them.
    auto item = [this](QMenu* menu, const QString& caption, const char* name, void (TFrmMain::*handler)(),
                       const QKeySequence& shortcut = QKeySequence()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* system = menuBar()->addMenu(QStringLiteral("系统设置(&S)"));
    N13 = item(system, QStringLiteral("默认设置(&O)..."), "N13", &TFrmMain::N13Click);
    system->addSeparator();
    N1 = item(system, QStringLiteral("数据备份(&B)"), "N1", &TFrmMain::N1Click, QKeySequence(Qt::CTRL | Qt::Key_B));
    N12 = item(system, QStringLiteral("数据恢复(&R)"), "N12", &TFrmMain::N12Click);
    system->addSeparator();
    N48 = item(system, QStringLiteral("退出系统(&X)"), "N48", &TFrmMain::N48Click, QKeySequence::Quit);

    QMenu* data = menuBar()->addMenu(QStringLiteral("数据管理(&D)"));
    item(data, QStringLiteral("刷新分布图(&F)"), "refreshGridAction", &TFrmMain::SpeedButton18Click,
         QKeySequence::Refresh);
    item(data, QStringLiteral("录入开奖号码(&N)"), "enterDrawAction", &TFrmMain::focusEntry, QKeySequence::New);
    data->addSeparator();
    N35 = item(data, QStringLiteral("全部数据清空(&C)"), "N35", &TFrmMain::N35Click);
    N36 = item(data, QStringLiteral("删除选中行(&L)"), "N36", &TFrmMain::N36Click);
    data->addSeparator();
    N28 = item(data, QStringLiteral("数据导出(&E)..."), "N28", &TFrmMain::N28Click, QKeySequence(Qt::CTRL | Qt::Key_E));
    N17 = item(data, QStringLiteral("数据导入(&I)..."), "N17", &TFrmMain::N17Click, QKeySequence(Qt::CTRL | Qt::Key_I));
    data->addSeparator();
    item(data, QStringLiteral("数据检查(&K)..."), "checkHistoryAction", &TFrmMain::checkHistory);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("辅助工具(&T)"));
    N23 = item(tools, QStringLiteral("计算器(&C)..."), "N23", &TFrmMain::N23Click);
    N24 = item(tools, QStringLiteral("文本编辑(&E)..."), "N24", &TFrmMain::N24Click);
    tools->addSeparator();
    N8 = item(tools, QStringLiteral("辅助选号(&X)..."), "N8", &TFrmMain::N8Click, QKeySequence(Qt::CTRL | Qt::Key_L));
    N27 = item(tools, QStringLiteral("中奖查询(&Z)..."), "N27", &TFrmMain::N27Click);
    N7 = item(tools, QStringLiteral("数据统计(&T)..."), "N7", &TFrmMain::N7Click);
    N2 = item(tools, QStringLiteral("数据分析(&A)..."), "N2", &TFrmMain::N2Click);
    N10 = item(tools, QStringLiteral("走势分析(&Q)..."), "N10", &TFrmMain::N10Click);
    N11 = item(tools, QStringLiteral("遗漏分析(&Y)..."), "N11", &TFrmMain::N11Click);
    item(tools, QStringLiteral("分位遗漏(&W)..."), "positionOmissionAction", &TFrmMain::showPositionOmission);
    item(tools, QStringLiteral("随机性检验(&R)..."), "randomnessAction", &TFrmMain::showRandomness);

    QMenu* update = menuBar()->addMenu(QStringLiteral("自动更新(&U)"));
    N41 = item(update, QStringLiteral("开奖号码下载(&D)"), "N41", &TFrmMain::N41Click,
               QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu* help = menuBar()->addMenu(QStringLiteral("系统帮助(&H)"));
    N5 = item(help, QStringLiteral("关于系统(&A)..."), "N5", &TFrmMain::N5Click);
    N6 = item(help, QStringLiteral("用户帮助(&H)..."), "N6", &TFrmMain::N6Click, QKeySequence::HelpContents);
    help->addSeparator();
    N25 = item(help, QStringLiteral("升级帮助(&U)"), "N25", &TFrmMain::N25Click);
    // X11 desktops leave F10 to the application: it opens the first menu, as elsewhere.
    auto* openMenu = new QAction(this);
    openMenu->setObjectName(QStringLiteral("openMenuAction"));
    openMenu->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(openMenu);
    connect(openMenu, &QAction::triggered, this, [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
}

QWidget* TFrmMain::buildEntryTab()
{
    auto* tab = named(new QWidget, "TabSheet1");

    auto* toolbar = named(new QWidget(tab), "Panel5");
    auto* bar = new QHBoxLayout(toolbar);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(namedLabel(QStringLiteral("设置显示期数"), "Label5", toolbar));
    bar->addWidget(ComboBox14 = issueSelector("ComboBox14", toolbar));
    bar->addWidget(namedLabel(QStringLiteral("至"), "Label6", toolbar));
    bar->addWidget(ComboBox15 = issueSelector("ComboBox15", toolbar));
    auto* quick = new QuickRange(ComboBox14, ComboBox15, toolbar, QuickRange::Look::Menu);
    quick->setObjectName(QStringLiteral("gridQuickRange"));
    connect(quick, &QuickRange::chosen, this, &TFrmMain::SpeedButton18Click);
    bar->addWidget(quick);
    bar->addWidget(SpeedButton18 = speedButton(QStringLiteral("开始"), "SpeedButton18", toolbar));
    SpeedButton18->setToolTip(QStringLiteral("按所选期数范围显示分布图（F5）"));
    bar->addWidget(SpeedButton19 = speedButton(QStringLiteral("频率统计"), "SpeedButton19", toolbar));
    bar->addWidget(SpeedButton20 = speedButton(QStringLiteral("辅助选号"), "SpeedButton20", toolbar));
    SpeedButton20->setToolTip(QStringLiteral("打开辅助选号窗口（Ctrl+L）"));
    SpeedButton19->setToolTip(QStringLiteral("在表格下方统计频率、当前遗漏、平均遗漏、最大遗漏和最大连出"));
    bar->addWidget(SpeedButton21 = speedButton(QStringLiteral("降序排列"), "SpeedButton21", toolbar, true));
    bar->addWidget(SpeedButton22 = speedButton(QStringLiteral("去掉横竖线"), "SpeedButton22", toolbar, true));
    bar->addWidget(SpeedButton15 = speedButton(QStringLiteral("删除选中行"), "SpeedButton15", toolbar));
    bar->addWidget(SpeedButton30 = speedButton(QStringLiteral("画 线"), "SpeedButton30", toolbar, true));
    SpeedButton21->setToolTip(QStringLiteral("把最新一期放在最上面"));
    SpeedButton22->setToolTip(QStringLiteral("隐藏或显示表格线"));
    SpeedButton15->setToolTip(QStringLiteral("删除当前选中的一期（会先询问）"));
    SpeedButton30->setToolTip(QStringLiteral("点击格子用红线连起来；再按一次清除连线"));
    bar->addWidget(m_showOmission = speedButton(QStringLiteral("显示遗漏值"), "showOmissionButton", toolbar, true));
    m_showOmission->setToolTip(QStringLiteral("在未开出的号码格中显示该号码已遗漏的期数"));
    bar->addStretch();
    connect(SpeedButton18, &QToolButton::clicked, this, &TFrmMain::SpeedButton18Click);
    connect(SpeedButton20, &QToolButton::clicked, this, &TFrmMain::SpeedButton20Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &TFrmMain::SpeedButton15Click);
    connect(SpeedButton19, &QToolButton::clicked, this, &TFrmMain::SpeedButton19Click);
    // Toggles run their command after the state has changed.
    connect(SpeedButton21, &QToolButton::clicked, this, &TFrmMain::SpeedButton21Click);
    connect(SpeedButton22, &QToolButton::clicked, this, &TFrmMain::SpeedButton22Click);
    connect(SpeedButton30, &QToolButton::clicked, this, &TFrmMain::SpeedButton30Click);
    connect(m_showOmission, &QToolButton::clicked, this, &TFrmMain::showOmissionValues);

    buildGrid();

    auto* entry = named(new QWidget, "Panel1");
    entry->setFixedHeight(47);
    auto* row = new QHBoxLayout(entry);
    row->addWidget(namedLabel(QStringLiteral("期    数："), "Label1", entry));
    row->addWidget(Edit3 = named(new QLineEdit(entry), "Edit3"));
    row->addWidget(namedLabel(QStringLiteral("开奖数字："), "Label2", entry));
    row->addWidget(Edit4 = named(new QLineEdit(entry), "Edit4"));
    Edit3->setFixedWidth(140);
    Edit4->setFixedWidth(60);
    Edit4->setMaxLength(3);
    row->addWidget(SpeedButton13 = speedButton(QStringLiteral("录    入"), "SpeedButton13", entry));
    SpeedButton13->setAutoRaise(false);
    row->addStretch();
    connect(SpeedButton13, &QToolButton::clicked, this, &TFrmMain::SpeedButton13Click);
    // Enter in the number box stores the draw, as the button does.
    connect(Edit4, &QLineEdit::returnPressed, SpeedButton13, &QToolButton::click);

    // The grid, or while the history is empty the way in (updateFirstStartHint).
    m_gridArea = named(new QStackedWidget, "GridArea");
    m_firstStartHint = new FirstStartHint;
    m_gridArea->addWidget(DBGridEh1);
    m_gridArea->addWidget(m_firstStartHint);
    connect(m_firstStartHint, &FirstStartHint::downloadRequested, this, &TFrmMain::startHistoryDownload);
    connect(m_firstStartHint, &FirstStartHint::importRequested, this, &TFrmMain::N17Click);
    connect(m_history, &QAbstractItemModel::modelReset, this, &TFrmMain::updateFirstStartHint);
    connect(m_history, &QAbstractItemModel::modelReset, this, &TFrmMain::fitIssueColumn);

    auto* splitter = named(new QSplitter(Qt::Vertical, tab), "Splitter1");
    splitter->addWidget(m_gridArea);
    splitter->addWidget(entry);
    splitter->setStretchFactor(0, 1);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter, 1);
    return tab;
}

void TFrmMain::buildGrid()
{
    DBGridEh1 = named(new DataGrid, "DBGridEh1");
    DBGridEh1->setModel(m_history);
    DBGridEh1->verticalHeader()->setDefaultSectionSize(18);
    for (int column = 0; column < kHistoryColumnCount; ++column)
        DBGridEh1->setColumnWidth(column, historyColumn(column).width);
    applyDigitColumnWidth();
    // The grid's colours follow the scheme: its cells ask for theirs as they
    // paint, the footers are filled again.
    followScheme(DBGridEh1, [this] {
        DBGridEh1->setFooterColor(schemeColours().footerEmpty);
        DBGridEh1->setFooter(
            0, {kFrequencyTitle, schemeColours().footerTitleFill, schemeColours().footerTitleText, Qt::AlignCenter});
        if (m_footersShown)
            runGuarded(m_dialogs, this, [this] { refreshGridFigures(); });
        DBGridEh1->repaintAll();
    });
    connect(DBGridEh1, &DataGrid::titleClicked, this, &TFrmMain::DBGridEh1TitleClick);
    connect(DBGridEh1, &DataGrid::mouseReleased, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& at) {
                DBGridEh1MouseUp(button, shift, at.x(), at.y());
            });
    DBGridEh1->setCellHook(
        [this](QPainter& painter, const QRect& rect, const QModelIndex& index, const QStyleOptionViewItem& state) {
            DBGridEh1DrawColumnCell(painter, rect, index, state);
        });
}

void TFrmMain::buildStatusBar()
{
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    setStatusBar(StatusBar1);
    const int widths[4] = {200, 150, 150, 50};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        if (i < 3)
            m_panels[i]->setFixedWidth(widths[i]);
        else
            m_panels[i]->setMinimumWidth(widths[i]);
        // The clock panel takes what is left, so the whole time fits.
        StatusBar1->addWidget(m_panels[i], i == 3 ? 1 : 0);
    }
    StatusBar1->setSizeGripEnabled(false);
}
