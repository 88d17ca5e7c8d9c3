// The selection window's controls and their places.
#include "core/BetFilter.h"
#include "ui/select/BetListModel.h"
#include "ui/select/ExtendedFilterPage.h"
#include "ui/select/select.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/TypedList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

namespace {

constexpr int kEmptyRowsAtOpening = 9; // ten rows with the header
constexpr int kBottomRow = 540;        // the command buttons of both tabs

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // No button answers Enter: typing in a box must not run a command.
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* makeEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLabel* makeCountLabel(const char* name, QWidget* parent)
{
    QLabel* label = makeLabel(name, QString(), parent);
    inkText(label, &SchemeColours::alertText);
    return label;
}

} // namespace

void TFrm_Select::buildManualTab(QWidget* page)
{
    buildDigitRows(page);
    buildConditionPages(page);

    StringGrid1 = makeResultGrid("StringGrid1", m_manualBets, page);
    StringGrid1->setGeometry(452, 6, 162, 330);

    GroupBox4 = new QGroupBox(QStringLiteral("投注方式"), page);
    GroupBox4->setObjectName("GroupBox4");
    GroupBox4->setGeometry(452, 340, 162, 84);
    RadioButton1 = new QRadioButton(QStringLiteral("直选"), GroupBox4);
    RadioButton2 = new QRadioButton(QStringLiteral("组选3"), GroupBox4);
    RadioButton3 = new QRadioButton(QStringLiteral("组选6"), GroupBox4);
    const char* radioNames[] = {"RadioButton1", "RadioButton2", "RadioButton3"};
    QRadioButton* radios[] = {RadioButton1, RadioButton2, RadioButton3};
    for (int i = 0; i < 3; ++i) {
        radios[i]->setObjectName(QString::fromLatin1(radioNames[i]));
        // Only the indicator and caption take clicks: no wider than they are.
        radios[i]->move(12, 20 + i * 20);
        radios[i]->adjustSize();
    }
    RadioButton1->setChecked(true);

    Label21 = makeLabel("Label21", QStringLiteral("单选注数："), page);
    Label21->setGeometry(6, kBottomRow + 4, 60, 20);
    Label23 = makeCountLabel("Label23", page);
    Label23->setGeometry(64, kBottomRow + 4, 36, 20);
    Label24 = makeLabel("Label24", QStringLiteral("过滤后："), page);
    Label24->setGeometry(102, kBottomRow + 4, 48, 20);
    Label25 = makeCountLabel("Label25", page);
    Label25->setGeometry(150, kBottomRow + 4, 36, 20);
    // Too long for the room beside the counts: a line of its own below them.
    m_expectedReturn = makeLabel("expectedReturnLabel", QString(), page);
    m_expectedReturn->setGeometry(6, kBottomRow + 32, 608, 20);

    SpeedButton2 = makeButton("SpeedButton2", QStringLiteral("开始投注"), page);
    SpeedButton12 = makeButton("SpeedButton12", QStringLiteral("导出投注"), page);
    SeSkinButton1 = makeButton("SeSkinButton1", QStringLiteral("历史期数过滤"), page);
    m_backtestButton = makeButton("backtestButton", QStringLiteral("历史回测"), page);
    m_backtestButton->setToolTip(QStringLiteral("用当前的选号条件，在最近若干期开奖上回测"));
    m_conditionCheckButton = makeButton("conditionCheckButton", QStringLiteral("条件验证"), page);
    m_conditionCheckButton->setToolTip(QStringLiteral("看每个已勾选的条件在最近若干期会保留多少期的开奖号码"));
    m_saveSchemeButton = makeButton("saveSchemeButton", QStringLiteral("保存方案..."), page);
    m_saveSchemeButton->setToolTip(QStringLiteral("把本窗口的全部设置保存为一个方案"));
    m_loadSchemeButton = makeButton("loadSchemeButton", QStringLiteral("载入方案..."), page);
    m_loadSchemeButton->setToolTip(QStringLiteral("载入一个保存过的方案"));
    SpeedButton1 = makeButton("SpeedButton1", QStringLiteral("退  出"), page);
    m_prizeCheckButton = makeButton("prizeCheckButton", QStringLiteral("中奖查询"), page);
    m_prizeCheckButton->setToolTip(QStringLiteral("查询列表中的号码在某一期是否中奖"));
    m_prizeCheckButton->setGeometry(452, 494, 80, 28);
    m_prizeCheckButton->setEnabled(false);
    m_saveSchemeButton->setGeometry(452, 430, 80, 28);
    m_loadSchemeButton->setGeometry(534, 430, 80, 28);
    m_backtestButton->setGeometry(452, 462, 80, 28);
    m_conditionCheckButton->setGeometry(534, 462, 80, 28);
    SpeedButton2->setGeometry(274, kBottomRow, 80, 28);
    SpeedButton12->setGeometry(358, kBottomRow, 80, 28);
    SeSkinButton1->setGeometry(442, kBottomRow, 96, 28);
    SpeedButton1->setGeometry(542, kBottomRow, 66, 28);
    SpeedButton12->setEnabled(false);
    SeSkinButton1->setEnabled(false);
}

void TFrm_Select::buildDigitRows(QWidget* parent)
{
    GroupBox1 = new QGroupBox(QStringLiteral("请选择每位候选号码"), parent);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(6, 4, 440, 112);
    Label8 = makeLabel("Label8", QStringLiteral("第一位："), GroupBox1);
    Label2 = makeLabel("Label2", QStringLiteral("第二位："), GroupBox1);
    Label3 = makeLabel("Label3", QStringLiteral("第三位："), GroupBox1);
    Edit1 = makeEdit("Edit1", GroupBox1);
    Edit2 = makeEdit("Edit2", GroupBox1);
    Edit3 = makeEdit("Edit3", GroupBox1);
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
    for (int r = 0; r < 3; ++r) {
        const int y = 22 + r * 29;
        titles[r]->setGeometry(8, y, 56, 24);
        m_rows[r].box = boxes[r];
        takeTypedList(boxes[r], 9);
        boxes[r]->setGeometry(304, y, 80, 24);
        for (int digit = 0; digit < 10; ++digit) {
            auto* panel = new DigitPanel(panelNames[r][digit], digit, GroupBox1);
            panel->setGeometry(62 + digit * 24, y, 22, 24);
            m_rows[r].panels[digit] = panel;
        }
        clears[r]->setGeometry(388, y, 22, 24);
        alls[r]->setGeometry(412, y, 22, 24);
    }
}

void TFrm_Select::buildConditionPages(QWidget* parent)
{
    SeSkinPageControl1 = new QTabWidget(parent);
    SeSkinPageControl1->setObjectName("SeSkinPageControl1");
    SeSkinPageControl1->setGeometry(6, 122, 440, kBottomRow - 128);
    auto* common = new QWidget;
    common->setObjectName("TabSheetCommon");
    auto* advanced = new QWidget;
    advanced->setObjectName("TabSheetAdvanced");
    m_extended = new ExtendedFilterPage;
    SeSkinPageControl1->addTab(common, QStringLiteral("常规过滤"));
    SeSkinPageControl1->addTab(advanced, QStringLiteral("高级过滤"));
    SeSkinPageControl1->addTab(m_extended, QStringLiteral("扩展过滤"));

    SeSkinLabel1 =
        makeLabel("SeSkinLabel1", QStringLiteral("\"单个和值\"供用户输入不连续和值，和值之间用\"，\" 间隔"), common);
    SeSkinLabel1->setGeometry(10, 10, 416, 20);
    inkText(SeSkinLabel1, &SchemeColours::infoText);

    m_big = makeRange(common, "CheckBox4", QStringLiteral("大数限制"), "ComboBox3", "Label17", "ComboBox4",
                      ConditionValues::counts(), 1, 2);
    m_odd = makeRange(common, "CheckBox3", QStringLiteral("奇数限制"), "ComboBox1", "Label16", "ComboBox2",
                      ConditionValues::counts(), 1, 2);
    m_sum = makeRange(common, "CheckBox1", QStringLiteral("和值范围"), "ComboBox9", "Label10", "ComboBox10",
                      ConditionValues::sums(), 12, 13);
    m_same = makeRange(common, "CheckBox8", QStringLiteral("同号个数"), "ComboBox15", "Label11", "ComboBox16",
                       ConditionValues::counts(), 0, 0);
    placeRange(m_big, 10, 44, 84);
    placeRange(m_odd, 222, 44, 84);
    placeRange(m_sum, 10, 88, 84);
    placeRange(m_same, 222, 88, 84);

    CheckBox12 = new QCheckBox(QStringLiteral("单个和值"), common);
    CheckBox12->setObjectName("CheckBox12");
    CheckBox12->setGeometry(10, 132, 84, 20);
    Edit11 = makeEdit("Edit11", common);
    Edit11->setGeometry(94, 131, 112, 22);
    Edit11->setEnabled(false);
    installKeyFilter(Edit11, KeyFilterKind::SumList, [this](const QKeyEvent& key) { return Edit11KeyPress(key); });
    CheckBox11 = new QCheckBox(QStringLiteral("注数限制"), common);
    CheckBox11->setObjectName("CheckBox11");
    CheckBox11->setGeometry(222, 132, 84, 20);
    Edit9 = makeEdit("Edit9", common);
    Edit9->setGeometry(306, 131, 112, 22);
    Edit9->setEnabled(false);
    installKeyFilter(Edit9, KeyFilterKind::Count, [this](const QKeyEvent& key) { return Edit9KeyPress(key); });

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
    placeRange(m_ac, 10, 20, 84);
    placeRange(m_prime, 222, 20, 84);
    placeRange(m_route0, 10, 64, 84);
    placeRange(m_route1, 222, 64, 84);
    placeRange(m_span, 10, 108, 84);
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
    Label1 = makeLabel("Label1", QStringLiteral("机选注数："), page);
    Label1->setGeometry(14, 14, 66, 22);
    Edit8 = makeEdit("Edit8", page);
    Edit8->setGeometry(80, 13, 110, 22);
    Edit8->setText(QStringLiteral("5"));
    installKeyFilter(Edit8, KeyFilterKind::Count, [this](const QKeyEvent& key) { return Edit8KeyPress(key); });

    GroupBox3 = new QGroupBox(QStringLiteral("投注限制"), page);
    GroupBox3->setObjectName("GroupBox3");
    GroupBox3->setGeometry(8, 46, 260, 206);
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
    const RangeControls* ranges[] = {&m_randomSum, &m_randomOdd, &m_randomBig, &m_randomAc, &m_randomSame};
    for (int i = 0; i < 5; ++i)
        placeRange(*ranges[i], 14, 28 + i * 34, 90);
    m_useExtended = new QCheckBox(QStringLiteral("同时使用扩展过滤"), page);
    m_useExtended->setObjectName("useExtendedBox");
    m_useExtended->setToolTip(QStringLiteral("随机号码也要满足\"手动选号\"页\"扩展过滤\"中勾选的条件"));
    m_useExtended->move(14, 260);
    // The random tab's limits are the manual tab's conditions.
    const std::pair<const RangeControls*, ConditionId> randomHints[] = {{&m_randomSum, ConditionId::Sum},
                                                                        {&m_randomOdd, ConditionId::Odd},
                                                                        {&m_randomBig, ConditionId::Big},
                                                                        {&m_randomAc, ConditionId::Ac},
                                                                        {&m_randomSame, ConditionId::Same}};
    for (const auto& [range, id] : randomHints)
        range->box->setToolTip(conditionHint(id));
    m_useExtended->adjustSize();

    StringGrid2 = makeResultGrid("StringGrid2", m_randomBets, page);
    StringGrid2->setGeometry(452, 6, 162, kBottomRow - 12);

    SpeedButton3 = makeButton("SpeedButton3", QStringLiteral("随机选号"), page);
    SpeedButton13 = makeButton("SpeedButton13", QStringLiteral("导出投注"), page);
    SpeedButton11 = makeButton("SpeedButton11", QStringLiteral("退  出"), page);
    m_randomPrizeCheckButton = makeButton("randomPrizeCheckButton", QStringLiteral("中奖查询"), page);
    m_randomPrizeCheckButton->setToolTip(QStringLiteral("查询列表中的号码在某一期是否中奖"));
    SpeedButton3->setGeometry(243, kBottomRow, 86, 28);
    SpeedButton13->setGeometry(336, kBottomRow, 86, 28);
    m_randomPrizeCheckButton->setGeometry(429, kBottomRow, 86, 28);
    SpeedButton11->setGeometry(522, kBottomRow, 86, 28);
    SpeedButton13->setEnabled(false);
    m_randomPrizeCheckButton->setEnabled(false);
    // The same line as under the manual list.
    m_randomReturn = makeLabel("randomReturnLabel", QString(), page);
    m_randomReturn->setGeometry(6, kBottomRow + 32, 608, 20);
}

void TFrm_Select::FormShow()
{
    // The header row is the grids' own header; opening shows empty rows.
    m_manualBets->setBets({}, kEmptyRowsAtOpening);
    m_randomBets->setBets({}, kEmptyRowsAtOpening);
    SeSkinPageControl1->setCurrentIndex(0);
}
