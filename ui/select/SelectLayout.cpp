// The selection window's controls and their layouts. Tab visits the controls
// in the order they are created; each is created on the widget whose layout
// places it, so the layouts never move one in that order.
#include "core/BetFilter.h"
#include "ui/select/BetListModel.h"
#include "ui/select/ExtendedFilterPage.h"
#include "ui/select/select.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/TypedList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kEmptyRowsAtOpening = 9; // ten rows with the header
constexpr int kCommandHeight = 28;     // the command buttons of both tabs
constexpr int kSmallButton = 22;       // 清 and 全 beside the digit panels
constexpr QSize kDigitPanel(22, 24);

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = named(new QPushButton(caption, parent), name);
    // No button answers Enter: typing in a box must not run a command.
    button->setAutoDefault(false);
    return button;
}

QPushButton* makeCommand(const char* name, const QString& caption, QWidget* parent, const QString& tip = {})
{
    QPushButton* button = makeButton(name, caption, parent);
    button->setMinimumHeight(kCommandHeight);
    button->setToolTip(tip);
    return button;
}

QLabel* makeCountLabel(const char* name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    inkText(label, &SchemeColours::alertText);
    // Room for the largest count, so the captions after it never shift.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    return label;
}

// The line under the commands: as long as its text is, it never widens the tab.
QLabel* makeReturnLabel(const char* name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

// The result lists are as wide as their columns and a vertical scroll bar;
// they take the height the tab leaves them.
void fitListWidth(QTableView* list)
{
    list->setFixedWidth(list->horizontalHeader()->length() + 2 * list->frameWidth() +
                        list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar()));
}

// A condition page's grid: two ranges to a row, with room between the pairs
// so each reads as one condition.
QGridLayout* conditionGrid(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(10, 12, 10, 10);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(20);
    grid->setColumnMinimumWidth(4, 16);
    grid->setColumnStretch(4, 1);
    return grid;
}

// A tab: its conditions left, its result list right, its commands and the
// line of the expected return along the bottom; the list keeps its width.
void layOutTab(QWidget* page, QLayout* conditions, QLayout* list, QLayout* commands, QLabel* returnLine)
{
    auto* columns = new QHBoxLayout;
    columns->addLayout(conditions, 1);
    columns->addLayout(list);
    auto* tab = new QVBoxLayout(page);
    tab->setContentsMargins(6, 4, 6, 4);
    tab->setSpacing(4);
    tab->addLayout(columns, 1);
    tab->addLayout(commands);
    tab->addWidget(returnLine);
}

// A row of commands, right-aligned under the list.
QHBoxLayout* commandRow(std::initializer_list<QPushButton*> commands)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addStretch(1);
    for (QPushButton* command : commands)
        row->addWidget(command);
    return row;
}

} // namespace

void TFrm_Select::buildManualTab(QWidget* page)
{
    buildDigitRows(page);
    buildConditionPages(page);

    StringGrid1 = makeResultGrid("StringGrid1", m_manualBets, page);
    fitListWidth(StringGrid1);

    GroupBox4 = named(new QGroupBox(QStringLiteral("投注方式"), page), "GroupBox4");
    auto* kinds = new QVBoxLayout(GroupBox4);
    kinds->setContentsMargins(12, 4, 8, 4);
    kinds->setSpacing(2);
    RadioButton1 = named(new QRadioButton(QStringLiteral("直选"), GroupBox4), "RadioButton1");
    RadioButton2 = named(new QRadioButton(QStringLiteral("组选3"), GroupBox4), "RadioButton2");
    RadioButton3 = named(new QRadioButton(QStringLiteral("组选6"), GroupBox4), "RadioButton3");
    // Only the indicator and caption take clicks: no wider than they are.
    for (QRadioButton* kind : {RadioButton1, RadioButton2, RadioButton3})
        kinds->addWidget(kind, 0, Qt::AlignLeft);
    RadioButton1->setChecked(true);

    Label21 = named(new QLabel(QStringLiteral("单选注数："), page), "Label21");
    Label23 = makeCountLabel("Label23", page);
    Label24 = named(new QLabel(QStringLiteral("过滤后："), page), "Label24");
    Label25 = makeCountLabel("Label25", page);
    // Too long for the room beside the counts: a line of its own below them.
    m_expectedReturn = makeReturnLabel("expectedReturnLabel", page);

    SpeedButton2 = makeCommand("SpeedButton2", QStringLiteral("开始投注"), page);
    SpeedButton12 = makeCommand("SpeedButton12", QStringLiteral("导出投注"), page);
    SeSkinButton1 = makeCommand("SeSkinButton1", QStringLiteral("历史期数过滤"), page);
    m_backtestButton = makeCommand("backtestButton", QStringLiteral("历史回测"), page,
                                   QStringLiteral("用当前的选号条件，在最近若干期开奖上回测"));
    m_conditionCheckButton = makeCommand("conditionCheckButton", QStringLiteral("条件验证"), page,
                                         QStringLiteral("看每个已勾选的条件在最近若干期会保留多少期的开奖号码"));
    m_saveSchemeButton = makeCommand("saveSchemeButton", QStringLiteral("保存方案..."), page,
                                     QStringLiteral("把本窗口的全部设置保存为一个方案"));
    m_loadSchemeButton =
        makeCommand("loadSchemeButton", QStringLiteral("载入方案..."), page, QStringLiteral("载入一个保存过的方案"));
    SpeedButton1 = makeCommand("SpeedButton1", QStringLiteral("退  出"), page);
    m_prizeCheckButton = makeCommand("prizeCheckButton", QStringLiteral("中奖查询"), page,
                                     QStringLiteral("查询列表中的号码在某一期是否中奖"));
    m_prizeCheckButton->setEnabled(false);
    SpeedButton12->setEnabled(false);
    SeSkinButton1->setEnabled(false);

    // Schemes and the checks on past draws go under the list and its bet kinds.
    auto* listCommands = new QGridLayout;
    listCommands->setSpacing(2);
    listCommands->addWidget(m_saveSchemeButton, 0, 0);
    listCommands->addWidget(m_loadSchemeButton, 0, 1);
    listCommands->addWidget(m_backtestButton, 1, 0);
    listCommands->addWidget(m_conditionCheckButton, 1, 1);
    listCommands->addWidget(m_prizeCheckButton, 2, 0);

    auto* conditions = new QVBoxLayout;
    conditions->addWidget(GroupBox1);
    conditions->addWidget(SeSkinPageControl1, 1);
    auto* list = new QVBoxLayout;
    list->addWidget(StringGrid1, 1);
    list->addWidget(GroupBox4);
    list->addLayout(listCommands);
    // Each count right after its caption, left of the commands.
    auto* counts = new QHBoxLayout;
    counts->setSpacing(0);
    for (QLabel* label : {Label21, Label23, Label24, Label25})
        counts->addWidget(label);
    counts->insertSpacing(2, 8);
    QHBoxLayout* commands = commandRow({SpeedButton2, SpeedButton12, SeSkinButton1, SpeedButton1});
    commands->insertLayout(0, counts);
    layOutTab(page, conditions, list, commands, m_expectedReturn);
}

void TFrm_Select::buildDigitRows(QWidget* parent)
{
    GroupBox1 = named(new QGroupBox(QStringLiteral("请选择每位候选号码"), parent), "GroupBox1");
    Label8 = named(new QLabel(QStringLiteral("第一位："), GroupBox1), "Label8");
    Label2 = named(new QLabel(QStringLiteral("第二位："), GroupBox1), "Label2");
    Label3 = named(new QLabel(QStringLiteral("第三位："), GroupBox1), "Label3");
    Edit1 = named(new QLineEdit(GroupBox1), "Edit1");
    Edit2 = named(new QLineEdit(GroupBox1), "Edit2");
    Edit3 = named(new QLineEdit(GroupBox1), "Edit3");
    SpeedButton4 = makeButton("SpeedButton4", QStringLiteral("清"), GroupBox1);
    SpeedButton5 = makeButton("SpeedButton5", QStringLiteral("清"), GroupBox1);
    SpeedButton6 = makeButton("SpeedButton6", QStringLiteral("清"), GroupBox1);
    SpeedButton15 = makeButton("SpeedButton15", QStringLiteral("全"), GroupBox1);
    SpeedButton21 = makeButton("SpeedButton21", QStringLiteral("全"), GroupBox1);
    SpeedButton17 = makeButton("SpeedButton17", QStringLiteral("全"), GroupBox1);

    // Panel names of digits 0 .. 9 in each row.
    static const char* const panelNames[3][10] = {
        {"Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9", "Panel10", "Panel11", "Panel12"},
        {"Panel16", "Panel17", "Panel18", "Panel19", "Panel20", "Panel21", "Panel22", "Panel13", "Panel14", "Panel15"},
        {"Panel26", "Panel27", "Panel28", "Panel29", "Panel30", "Panel31", "Panel32", "Panel23", "Panel24", "Panel25"}};
    QLabel* titles[] = {Label8, Label2, Label3};
    QLineEdit* boxes[] = {Edit1, Edit2, Edit3};
    QPushButton* clears[] = {SpeedButton4, SpeedButton5, SpeedButton6};
    QPushButton* alls[] = {SpeedButton15, SpeedButton21, SpeedButton17};
    // Title, ten panels, the typed digits, 清 and 全: one row per position.
    auto* rows = new QGridLayout(GroupBox1);
    rows->setContentsMargins(8, 6, 8, 6);
    rows->setHorizontalSpacing(2);
    rows->setVerticalSpacing(5);
    for (int r = 0; r < 3; ++r) {
        rows->addWidget(titles[r], r, 0);
        m_rows[r].box = boxes[r];
        takeTypedList(boxes[r], 9);
        for (int digit = 0; digit < 10; ++digit) {
            auto* panel = new DigitPanel(panelNames[r][digit], digit, GroupBox1);
            panel->setFixedSize(kDigitPanel);
            rows->addWidget(panel, r, 1 + digit);
            m_rows[r].panels[digit] = panel;
        }
        boxes[r]->setMinimumHeight(kDigitPanel.height());
        rows->addWidget(boxes[r], r, 11);
        for (QPushButton* button : {clears[r], alls[r]})
            button->setFixedSize(kSmallButton, kDigitPanel.height());
        rows->addWidget(clears[r], r, 12);
        rows->addWidget(alls[r], r, 13);
    }
    rows->setColumnStretch(11, 1);
}

void TFrm_Select::buildConditionPages(QWidget* parent)
{
    SeSkinPageControl1 = named(new QTabWidget(parent), "SeSkinPageControl1");
    auto* common = named(new QWidget, "TabSheetCommon");
    auto* advanced = named(new QWidget, "TabSheetAdvanced");
    m_extended = new ExtendedFilterPage;
    SeSkinPageControl1->addTab(common, QStringLiteral("常规过滤"));
    SeSkinPageControl1->addTab(advanced, QStringLiteral("高级过滤"));
    SeSkinPageControl1->addTab(m_extended, QStringLiteral("扩展过滤"));

    SeSkinLabel1 = named(new QLabel(QStringLiteral("\"单个和值\"供用户输入不连续和值，和值之间用\"，\" 间隔"), common),
                         "SeSkinLabel1");
    inkText(SeSkinLabel1, &SchemeColours::infoText);

    m_big = makeRange(common, "CheckBox4", QStringLiteral("大数限制"), "ComboBox3", "Label17", "ComboBox4",
                      ConditionValues::counts(), 1, 2);
    m_odd = makeRange(common, "CheckBox3", QStringLiteral("奇数限制"), "ComboBox1", "Label16", "ComboBox2",
                      ConditionValues::counts(), 1, 2);
    m_sum = makeRange(common, "CheckBox1", QStringLiteral("和值范围"), "ComboBox9", "Label10", "ComboBox10",
                      ConditionValues::sums(), 12, 13);
    m_same = makeRange(common, "CheckBox8", QStringLiteral("同号个数"), "ComboBox15", "Label11", "ComboBox16",
                       ConditionValues::counts(), 0, 0);
    CheckBox12 = named(new QCheckBox(QStringLiteral("单个和值"), common), "CheckBox12");
    Edit11 = named(new QLineEdit(common), "Edit11");
    Edit11->setEnabled(false);
    installKeyFilter(Edit11, KeyFilterKind::SumList, [this](const QKeyEvent& key) { return Edit11KeyPress(key); });
    CheckBox11 = named(new QCheckBox(QStringLiteral("注数限制"), common), "CheckBox11");
    Edit9 = named(new QLineEdit(common), "Edit9");
    Edit9->setEnabled(false);
    installKeyFilter(Edit9, KeyFilterKind::Count, [this](const QKeyEvent& key) { return Edit9KeyPress(key); });

    QGridLayout* commonGrid = conditionGrid(common);
    commonGrid->addWidget(SeSkinLabel1, 0, 0, 1, 9);
    addRange(commonGrid, m_big, 1, 0);
    addRange(commonGrid, m_odd, 1, 5);
    addRange(commonGrid, m_sum, 2, 0);
    addRange(commonGrid, m_same, 2, 5);
    // The boxes take the width of the two lists and "至".
    commonGrid->addWidget(CheckBox12, 3, 0);
    commonGrid->addWidget(Edit11, 3, 1, 1, 3);
    commonGrid->addWidget(CheckBox11, 3, 5);
    commonGrid->addWidget(Edit9, 3, 6, 1, 3);
    commonGrid->setRowStretch(4, 1);

    m_ac = makeRange(advanced, "CheckBox7", QStringLiteral("AC值范围"), "ComboBox13", "Label9", "ComboBox14",
                     ConditionValues::acs(), 2, 3);
    m_prime = makeRange(advanced, "SeSkinCheckBox1", QStringLiteral("质数限制"), "ComboBox23", "Label26", "ComboBox24",
                        ConditionValues::counts(), 1, 1);
    m_route0 = makeRange(advanced, "SeSkinCheckBox3", QStringLiteral("0 路限制"), "ComboBox25", "Label27", "ComboBox26",
                         ConditionValues::counts(), 1, 1);
    m_route1 = makeRange(advanced, "SeSkinCheckBox4", QStringLiteral("1 路限制"), "ComboBox27", "Label28", "ComboBox28",
                         ConditionValues::counts(), 1, 1);
    m_span = makeRange(advanced, "SeSkinCheckBox6", QStringLiteral("跨度限制"), "ComboBox29", "Label29", "ComboBox30",
                       ConditionValues::spans(), 1, 1);
    QGridLayout* advancedGrid = conditionGrid(advanced);
    addRange(advancedGrid, m_ac, 0, 0);
    addRange(advancedGrid, m_prime, 0, 5);
    addRange(advancedGrid, m_route0, 1, 0);
    addRange(advancedGrid, m_route1, 1, 5);
    addRange(advancedGrid, m_span, 2, 0);
    advancedGrid->setRowStretch(3, 1);

    const std::pair<QCheckBox*, ConditionId> hints[] = {
        {m_sum.box, ConditionId::Sum},        {m_odd.box, ConditionId::Odd},       {m_big.box, ConditionId::Big},
        {m_ac.box, ConditionId::Ac},          {m_same.box, ConditionId::Same},     {m_span.box, ConditionId::Span},
        {m_prime.box, ConditionId::Prime},    {m_route0.box, ConditionId::Route0}, {m_route1.box, ConditionId::Route1},
        {CheckBox12, ConditionId::SingleSums}};
    for (const auto& [box, id] : hints)
        box->setToolTip(conditionHint(id));
    CheckBox11->setToolTip(QStringLiteral("最多列出所填注数的号码"));
    SeSkinPageControl1->setCurrentIndex(0);
}

void TFrm_Select::buildRandomTab(QWidget* page)
{
    Label1 = named(new QLabel(QStringLiteral("机选注数："), page), "Label1");
    Edit8 = named(new QLineEdit(page), "Edit8");
    Edit8->setText(QStringLiteral("5"));
    installKeyFilter(Edit8, KeyFilterKind::Count, [this](const QKeyEvent& key) { return Edit8KeyPress(key); });

    GroupBox3 = named(new QGroupBox(QStringLiteral("投注限制"), page), "GroupBox3");
    m_randomSum = makeRange(GroupBox3, "CheckBox2", QStringLiteral("和数限制"), "ComboBox11", "Label12", "ComboBox12",
                            ConditionValues::sums(), 25, 27);
    m_randomOdd = makeRange(GroupBox3, "CheckBox5", QStringLiteral("奇数个数"), "ComboBox5", "Label18", "ComboBox6",
                            ConditionValues::counts(), 1, 2);
    m_randomBig = makeRange(GroupBox3, "CheckBox6", QStringLiteral("大数个数"), "ComboBox7", "Label19", "ComboBox8",
                            ConditionValues::counts(), 1, 2);
    m_randomAc = makeRange(GroupBox3, "CheckBox9", QStringLiteral("AC值范围"), "ComboBox18", "Label14", "ComboBox19",
                           ConditionValues::acs(), 2, 3);
    m_randomSame = makeRange(GroupBox3, "CheckBox10", QStringLiteral("同号个数"), "ComboBox17", "Label20", "ComboBox20",
                             ConditionValues::counts(), 0, 0);
    auto* limits = new QGridLayout(GroupBox3);
    limits->setContentsMargins(12, 10, 12, 12);
    limits->setHorizontalSpacing(2);
    limits->setVerticalSpacing(10);
    int row = 0;
    for (const RangeControls* range : {&m_randomSum, &m_randomOdd, &m_randomBig, &m_randomAc, &m_randomSame})
        addRange(limits, *range, row++, 0);
    m_useExtended = named(new QCheckBox(QStringLiteral("同时使用扩展过滤"), page), "useExtendedBox");
    m_useExtended->setToolTip(QStringLiteral("随机号码也要满足\"手动选号\"页\"扩展过滤\"中勾选的条件"));
    // The random tab's limits are the manual tab's conditions.
    const std::pair<const RangeControls*, ConditionId> randomHints[] = {{&m_randomSum, ConditionId::Sum},
                                                                        {&m_randomOdd, ConditionId::Odd},
                                                                        {&m_randomBig, ConditionId::Big},
                                                                        {&m_randomAc, ConditionId::Ac},
                                                                        {&m_randomSame, ConditionId::Same}};
    for (const auto& [range, id] : randomHints)
        range->box->setToolTip(conditionHint(id));

    StringGrid2 = makeResultGrid("StringGrid2", m_randomBets, page);
    fitListWidth(StringGrid2);

    SpeedButton3 = makeCommand("SpeedButton3", QStringLiteral("随机选号"), page);
    SpeedButton13 = makeCommand("SpeedButton13", QStringLiteral("导出投注"), page);
    SpeedButton11 = makeCommand("SpeedButton11", QStringLiteral("退  出"), page);
    m_randomPrizeCheckButton = makeCommand("randomPrizeCheckButton", QStringLiteral("中奖查询"), page,
                                           QStringLiteral("查询列表中的号码在某一期是否中奖"));
    SpeedButton13->setEnabled(false);
    m_randomPrizeCheckButton->setEnabled(false);
    // The same line as under the manual list.
    m_randomReturn = makeReturnLabel("randomReturnLabel", page);

    auto* count = new QHBoxLayout;
    count->addWidget(Label1);
    count->addWidget(Edit8);
    count->addStretch(1);
    auto* conditions = new QVBoxLayout;
    conditions->setContentsMargins(8, 8, 0, 0);
    conditions->setSpacing(10);
    conditions->addLayout(count);
    conditions->addWidget(GroupBox3, 0, Qt::AlignLeft);
    // Only the indicator and caption take clicks: no wider than they are.
    conditions->addWidget(m_useExtended, 0, Qt::AlignLeft);
    conditions->addStretch(1);
    auto* list = new QVBoxLayout;
    list->addWidget(StringGrid2);
    layOutTab(page, conditions, list,
              commandRow({SpeedButton3, SpeedButton13, m_randomPrizeCheckButton, SpeedButton11}), m_randomReturn);
}

void TFrm_Select::FormShow()
{
    // The header row is the grids' own header; opening shows empty rows.
    m_manualBets->setBets({}, kEmptyRowsAtOpening);
    m_randomBets->setBets({}, kEmptyRowsAtOpening);
    SeSkinPageControl1->setCurrentIndex(0);
}
