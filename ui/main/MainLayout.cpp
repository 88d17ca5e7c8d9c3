// Building the main window's controls. Handlers live in Main.cpp and
// MainCommands.cpp; this file only makes and places widgets.
#include "ui/main/HistoryModel.h"
#include "ui/main/Main.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <tuple>

namespace {

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(const QString& text, const char* name, QWidget* parent)
{
    return named(new QLabel(text, parent), name);
}

QToolButton* speedButton(const QString& caption, const char* name, QWidget* parent, bool toggle = false)
{
    auto* button = named(new QToolButton(parent), name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setCheckable(toggle);
    return button;
}

QComboBox* issueSelector(const char* name, QWidget* parent)
{
    auto* box = named(new QComboBox(parent), name);
    box->setMinimumWidth(90);
    box->setMaxVisibleItems(20);
    return box;
}

QChartView* chartView(const QString& title, const char* name, QWidget* parent)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setMargins(QMargins(5, 5, 5, 5));
    auto* view = named(new QChartView(chart, parent), name);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

// What both chart tabs have after their own leading controls: the issue
// range, the 3D and line toggles with the hidden depth bar, and the chart.
struct ChartControlNames
{
    const char *rangeLabel, *start, *toLabel, *end, *threeD, *depth, *line, *chart;
};

struct ChartControls
{
    QComboBox *start, *end;
    QCheckBox* threeD;
    QScrollBar* depth;
    QCheckBox* line;
    QChartView* chart;
};

ChartControls addChartControls(QWidget* tab, QHBoxLayout* bar, const ChartControlNames& n, const QString& title)
{
    ChartControls c;
    bar->addWidget(label(QStringLiteral("统计期数选择："), n.rangeLabel, tab));
    bar->addWidget(c.start = issueSelector(n.start, tab));
    bar->addWidget(label(QStringLiteral("至"), n.toLabel, tab));
    bar->addWidget(c.end = issueSelector(n.end, tab));
    bar->addWidget(c.threeD = named(new QCheckBox(QStringLiteral("3D显示"), tab), n.threeD));
    bar->addWidget(c.depth = named(new QScrollBar(Qt::Horizontal, tab), n.depth));
    c.depth->hide();
    bar->addWidget(c.line = named(new QCheckBox(QStringLiteral("直线图"), tab), n.line));
    c.line->setChecked(true);
    bar->addStretch();
    c.chart = chartView(title, n.chart, tab);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(bar);
    layout->addWidget(c.chart, 1);
    return c;
}

} // namespace

void TFrmMain::buildMenu()
{
    auto item = [this](QMenu* menu, const QString& caption, const char* name, void (TFrmMain::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* system = menuBar()->addMenu(QStringLiteral("系统设置"));
    N13 = item(system, QStringLiteral("默认设置..."), "N13", &TFrmMain::N13Click);
    system->addSeparator();
    N1 = item(system, QStringLiteral("数据备份"), "N1", &TFrmMain::N1Click);
    N12 = item(system, QStringLiteral("数据恢复"), "N12", &TFrmMain::N12Click);
    system->addSeparator();
    N48 = item(system, QStringLiteral("退出系统"), "N48", &TFrmMain::N48Click);

    QMenu* data = menuBar()->addMenu(QStringLiteral("数据管理"));
    N35 = item(data, QStringLiteral("全部数据清空"), "N35", &TFrmMain::N35Click);
    N36 = item(data, QStringLiteral("删除选中行"), "N36", &TFrmMain::N36Click);
    data->addSeparator();
    N28 = item(data, QStringLiteral("数据导出..."), "N28", &TFrmMain::N28Click);
    N17 = item(data, QStringLiteral("数据导入..."), "N17", &TFrmMain::N17Click);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("辅助工具"));
    N23 = item(tools, QStringLiteral("计算器..."), "N23", &TFrmMain::N23Click);
    N24 = item(tools, QStringLiteral("文本编辑..."), "N24", &TFrmMain::N24Click);
    tools->addSeparator();
    N8 = item(tools, QStringLiteral("辅助选号..."), "N8", &TFrmMain::N8Click);
    N27 = item(tools, QStringLiteral("中奖查询..."), "N27", &TFrmMain::N27Click);
    N7 = item(tools, QStringLiteral("数据统计..."), "N7", &TFrmMain::N7Click);
    N2 = item(tools, QStringLiteral("数据分析..."), "N2", &TFrmMain::N2Click);
    N10 = item(tools, QStringLiteral("走势分析..."), "N10", &TFrmMain::N10Click);
    N11 = item(tools, QStringLiteral("遗漏分析..."), "N11", &TFrmMain::N11Click);

    QMenu* update = menuBar()->addMenu(QStringLiteral("自动更新"));
    N41 = item(update, QStringLiteral("开奖号码下载"), "N41", &TFrmMain::N41Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("系统帮助"));
    N5 = item(help, QStringLiteral("关于系统..."), "N5", &TFrmMain::N5Click);
    N6 = item(help, QStringLiteral("用户帮助..."), "N6", &TFrmMain::N6Click);
    help->addSeparator();
    N25 = item(help, QStringLiteral("升级帮助"), "N25", &TFrmMain::N25Click);
}

QWidget* TFrmMain::buildEntryTab()
{
    auto* tab = named(new QWidget, "TabSheet1");

    auto* toolbar = named(new QWidget(tab), "Panel5");
    auto* bar = new QHBoxLayout(toolbar);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(label(QStringLiteral("设置显示期数"), "Label5", toolbar));
    bar->addWidget(ComboBox14 = issueSelector("ComboBox14", toolbar));
    bar->addWidget(label(QStringLiteral("至"), "Label6", toolbar));
    bar->addWidget(ComboBox15 = issueSelector("ComboBox15", toolbar));
    bar->addWidget(SpeedButton18 = speedButton(QStringLiteral("开始"), "SpeedButton18", toolbar));
    bar->addWidget(SpeedButton19 = speedButton(QStringLiteral("频率统计"), "SpeedButton19", toolbar));
    bar->addWidget(SpeedButton20 = speedButton(QStringLiteral("辅助选号"), "SpeedButton20", toolbar));
    bar->addWidget(SpeedButton21 = speedButton(QStringLiteral("降序排列"), "SpeedButton21", toolbar, true));
    bar->addWidget(SpeedButton22 = speedButton(QStringLiteral("去掉横竖线"), "SpeedButton22", toolbar, true));
    bar->addWidget(SpeedButton15 = speedButton(QStringLiteral("删除选中行"), "SpeedButton15", toolbar));
    bar->addWidget(SpeedButton30 = speedButton(QStringLiteral("画 线"), "SpeedButton30", toolbar, true));
    bar->addStretch();
    connect(SpeedButton18, &QToolButton::clicked, this, &TFrmMain::SpeedButton18Click);
    connect(SpeedButton20, &QToolButton::clicked, this, &TFrmMain::SpeedButton20Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &TFrmMain::SpeedButton15Click);

    DBGridEh1 = named(new QTableView, "DBGridEh1");
    DBGridEh1->setModel(m_history);
    DBGridEh1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridEh1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridEh1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGridEh1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGridEh1->horizontalHeader()->setMinimumSectionSize(1);
    DBGridEh1->verticalHeader()->setDefaultSectionSize(18);
    applyDigitColumnWidth();

    auto* entry = named(new QWidget, "Panel1");
    entry->setFixedHeight(47);
    auto* row = new QHBoxLayout(entry);
    row->addWidget(label(QStringLiteral("期    数："), "Label1", entry));
    row->addWidget(Edit3 = named(new QLineEdit(entry), "Edit3"));
    row->addWidget(label(QStringLiteral("开奖数字："), "Label2", entry));
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

    auto* splitter = named(new QSplitter(Qt::Vertical, tab), "Splitter1");
    splitter->addWidget(DBGridEh1);
    splitter->addWidget(entry);
    splitter->setStretchFactor(0, 1);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter, 1);
    return tab;
}

QWidget* TFrmMain::buildPositionChartTab()
{
    auto* tab = named(new QWidget, "TabSheet2");
    tab->setToolTip(QStringLiteral("根据每位走势进行分析"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(label(QStringLiteral("请选择统计位："), "Label7", tab));
    bar->addWidget(ComboBox16 = named(new QComboBox(tab), "ComboBox16"));
    ComboBox16->addItems({"1", "2", "3"});
    bar->addWidget(SpeedButton24 = speedButton(QStringLiteral("开始统计"), "SpeedButton24", tab));
    connect(SpeedButton24, &QToolButton::clicked, this, &TFrmMain::SpeedButton24Click);
    const ChartControls c = addChartControls(
        tab, bar, {"Label23", "ComboBox17", "Label24", "ComboBox18", "CheckBox7", "ScrollBar5", "CheckBox8", "Chart5"},
        QStringLiteral("3D按位分析图"));
    std::tie(ComboBox17, ComboBox18, CheckBox7, ScrollBar5, CheckBox8, Chart5) =
        std::tie(c.start, c.end, c.threeD, c.depth, c.line, c.chart);
    return tab;
}

QWidget* TFrmMain::buildSumChartTab()
{
    auto* tab = named(new QWidget, "TabSheet3");
    auto* bar = new QHBoxLayout;
    bar->addWidget(SpeedButton27 = speedButton(QStringLiteral("开始统计"), "SpeedButton27", tab));
    connect(SpeedButton27, &QToolButton::clicked, this, &TFrmMain::SpeedButton27Click);
    const ChartControls c = addChartControls(
        tab, bar,
        {"Label33", "ComboBox25", "Label34", "ComboBox26", "CheckBox11", "ScrollBar8", "CheckBox12", "Chart8"},
        QStringLiteral("3D按总和统计"));
    std::tie(ComboBox25, ComboBox26, CheckBox11, ScrollBar8, CheckBox12, Chart8) =
        std::tie(c.start, c.end, c.threeD, c.depth, c.line, c.chart);
    return tab;
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
