#include "ui/select/select.h"

#include "core/SelectionText.h"
#include "ui/select/BetListModel.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/TypedList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QString kAllDigits = QStringLiteral("0123456789");
} // namespace

const QString TFrm_Select::kCaption = QStringLiteral("辅助选择号码");

TFrm_Select::TFrm_Select(DrawStore& store, Dialogs& dialogs, TFrm_Print* print, TFrm_SelectHistory* history,
                         QString userFolder, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs), m_userFolder(std::move(userFolder)), m_print(print),
      m_history(history), m_seedSource([] { return QRandomGenerator::system()->generate(); }),
      m_manualBets(new BetListModel(this)), m_randomBets(new BetListModel(this))
{
    prepareFixedDialog(this, "Frm_Select", kCaption, QStringLiteral("宋体"), 12);
    // Taller than designed: the extended conditions need the room.
    setFixedSize(kWidth, kHeight);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    // The tabs fill the window, whatever size it is given.
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(PageControl1);
    setTabSize(PageControl1, QSize(100, 25));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    PageControl1->addTab(TabSheet1, QStringLiteral("手动选号"));
    PageControl1->addTab(TabSheet2, QStringLiteral("随机选号"));
    buildManualTab(TabSheet1);
    buildRandomTab(TabSheet2);
    connectCommands();
    FormShow();
}

TFrm_Select::~TFrm_Select() = default;

void TFrm_Select::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        centreOnScreen(this);
}

void TFrm_Select::connectCommands()
{
    using Handler = void (TFrm_Select::*)();
    // In the order of the panels of each row, digits 0 to 9.
    static const Handler panels[3][10] = {
        {&TFrm_Select::Panel3Click, &TFrm_Select::Panel4Click, &TFrm_Select::Panel5Click, &TFrm_Select::Panel6Click,
         &TFrm_Select::Panel7Click, &TFrm_Select::Panel8Click, &TFrm_Select::Panel9Click, &TFrm_Select::Panel10Click,
         &TFrm_Select::Panel11Click, &TFrm_Select::Panel12Click},
        {&TFrm_Select::Panel16Click, &TFrm_Select::Panel17Click, &TFrm_Select::Panel18Click, &TFrm_Select::Panel19Click,
         &TFrm_Select::Panel20Click, &TFrm_Select::Panel21Click, &TFrm_Select::Panel22Click, &TFrm_Select::Panel13Click,
         &TFrm_Select::Panel14Click, &TFrm_Select::Panel15Click},
        {&TFrm_Select::Panel26Click, &TFrm_Select::Panel27Click, &TFrm_Select::Panel28Click, &TFrm_Select::Panel29Click,
         &TFrm_Select::Panel30Click, &TFrm_Select::Panel31Click, &TFrm_Select::Panel32Click, &TFrm_Select::Panel23Click,
         &TFrm_Select::Panel24Click, &TFrm_Select::Panel25Click}};
    for (int r = 0; r < 3; ++r) {
        for (int digit = 0; digit < 10; ++digit)
            connect(m_rows[r].panels[digit], &DigitPanel::clicked, this, panels[r][digit]);
        connect(m_rows[r].box, &QLineEdit::textEdited, this, [this, r] { rowTyped(m_rows[size_t(r)]); });
    }
    const std::pair<QPushButton*, Handler> buttons[] = {
        {SpeedButton4, &TFrm_Select::SpeedButton4Click},
        {SpeedButton5, &TFrm_Select::SpeedButton5Click},
        {SpeedButton6, &TFrm_Select::SpeedButton6Click},
        {SpeedButton15, &TFrm_Select::SpeedButton15Click},
        {SpeedButton21, &TFrm_Select::SpeedButton21Click},
        {SpeedButton17, &TFrm_Select::SpeedButton17Click},
        {SpeedButton2, &TFrm_Select::SpeedButton2Click},
        {SpeedButton3, &TFrm_Select::SpeedButton3Click},
        {SpeedButton12, &TFrm_Select::SpeedButton12Click},
        {m_prizeCheckButton, &TFrm_Select::prizeCheckManual},
        {m_randomPrizeCheckButton, &TFrm_Select::prizeCheckRandom},
        {SpeedButton13, &TFrm_Select::SpeedButton13Click},
        {SeSkinButton1, &TFrm_Select::SeSkinButton1Click},
        {SpeedButton1, &TFrm_Select::SpeedButton1Click},
        {SpeedButton11, &TFrm_Select::SpeedButton11Click},
        {m_backtestButton, &TFrm_Select::backtest},
        {m_conditionCheckButton, &TFrm_Select::checkConditionsOnHistory},
        {m_saveSchemeButton, &TFrm_Select::saveScheme},
        {m_loadSchemeButton, &TFrm_Select::loadScheme}};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);

    const std::pair<QCheckBox*, Handler> boxes[] = {
        {m_odd.box, &TFrm_Select::CheckBox3Click},          {m_big.box, &TFrm_Select::CheckBox4Click},
        {m_ac.box, &TFrm_Select::CheckBox7Click},           {m_same.box, &TFrm_Select::CheckBox8Click},
        {m_prime.box, &TFrm_Select::SeSkinCheckBox1Click},  {m_route0.box, &TFrm_Select::SeSkinCheckBox3Click},
        {m_route1.box, &TFrm_Select::SeSkinCheckBox4Click}, {m_span.box, &TFrm_Select::SeSkinCheckBox6Click},
        {m_randomSum.box, &TFrm_Select::CheckBox2Click},    {m_randomOdd.box, &TFrm_Select::CheckBox5Click},
        {m_randomBig.box, &TFrm_Select::CheckBox6Click},    {m_randomAc.box, &TFrm_Select::CheckBox9Click},
        {m_randomSame.box, &TFrm_Select::CheckBox10Click},  {m_sum.box, &TFrm_Select::CheckBox1Click},
        {CheckBox12, &TFrm_Select::CheckBox12Click},        {CheckBox11, &TFrm_Select::CheckBox11Click}};
    for (const auto& [box, handler] : boxes)
        connect(box, &QCheckBox::clicked, this, handler);

    // Choosing another bet kind regenerates at once; the kind already
    // chosen changes nothing.
    const std::pair<QRadioButton*, Handler> kinds[] = {{RadioButton1, &TFrm_Select::RadioButton1Click},
                                                       {RadioButton2, &TFrm_Select::RadioButton2Click},
                                                       {RadioButton3, &TFrm_Select::RadioButton3Click}};
    for (const auto& [kind, handler] : kinds)
        connect(kind, &QRadioButton::toggled, this, [this, handler = handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
}

void TFrm_Select::panelClick(DigitRow& row, int digit)
{
    DigitPanel* panel = row.panels[digit];
    const QChar character(u'0' + digit);
    if (!panel->isSelectedColour()) {
        panel->setSelectedColour(true);
        row.box->setText(row.box->text() + character);
        return;
    }
    panel->setSelectedColour(false);
    QString text = row.box->text();
    const qsizetype at = text.indexOf(character);
    if (at >= 0)
        text.remove(at, 1);
    row.box->setText(text);
}

// The box holds the typed digits as read; the panels follow it.
void TFrm_Select::rowTyped(DigitRow& row)
{
    const std::vector<int> digits = typedListValues(row.box, 9);
    for (int digit = 0; digit < 10; ++digit)
        row.panels[size_t(digit)]->setSelectedColour(std::find(digits.begin(), digits.end(), digit) != digits.end());
}

void TFrm_Select::clearRow(DigitRow& row)
{
    row.box->clear();
    for (DigitPanel* panel : row.panels)
        panel->setSelectedColour(false);
}

void TFrm_Select::fillRow(DigitRow& row)
{
    row.box->setText(kAllDigits);
    for (DigitPanel* panel : row.panels)
        panel->setSelectedColour(true);
}

void TFrm_Select::CheckBox1Click()
{
    if (m_sum.box->isChecked() && CheckBox12->isChecked()) {
        m_dialogs.message(this, SelectText::kSumExclusion);
        m_sum.box->setChecked(false);
        return;
    }
    m_sum.applyTick();
}

void TFrm_Select::CheckBox12Click()
{
    if (CheckBox12->isChecked() && m_sum.box->isChecked()) {
        m_dialogs.message(this, SelectText::kSumExclusion);
        CheckBox12->setChecked(false);
        return;
    }
    Edit11->setEnabled(CheckBox12->isChecked());
    if (CheckBox12->isChecked())
        Edit11->setFocus();
}

void TFrm_Select::CheckBox11Click()
{
    Edit9->setEnabled(CheckBox11->isChecked());
    if (CheckBox11->isChecked())
        Edit9->setFocus();
}
