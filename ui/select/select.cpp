#include "ui/select/select.h"

#include "core/SelectionText.h"
#include "ui/select/BetListModel.h"
#include "ui/widgets/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QShowEvent>
#include <QTabWidget>

namespace {
const QString kAllDigits = QStringLiteral("0123456789");
} // namespace

TFrm_Select::TFrm_Select(DrawStore& store, Dialogs& dialogs, TFrm_Print* print, TFrm_SelectHistory* history,
                         QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs), m_print(print), m_history(history),
      m_seedSource([] { return QRandomGenerator::system()->generate(); }), m_manualBets(new BetListModel(this)),
      m_randomBets(new BetListModel(this))
{
    prepareFixedDialog(this, "Frm_Select", QStringLiteral("辅助选择号码"), QStringLiteral("宋体"), 12);
    setFixedSize(624, 426);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(0, 0, 624, 426);
    PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { width: 100px; height: 25px; }"));
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
    for (DigitRow& row : m_rows)
        for (int digit = 0; digit < 10; ++digit)
            connect(row.panels[digit], &DigitPanel::clicked, this, [this, &row, digit] { panelClick(row, digit); });
    QPushButton* clears[] = {SpeedButton4, SpeedButton5, SpeedButton6};
    QPushButton* alls[] = {SpeedButton15, SpeedButton21, SpeedButton17};
    for (int r = 0; r < 3; ++r) {
        connect(clears[r], &QPushButton::clicked, this, [this, r] { clearRow(m_rows[r]); });
        connect(alls[r], &QPushButton::clicked, this, [this, r] { fillRow(m_rows[r]); });
    }

    for (const RangeControls* range : {&m_big, &m_odd, &m_same, &m_ac, &m_prime, &m_route0, &m_route1, &m_span,
                                       &m_randomSum, &m_randomOdd, &m_randomBig, &m_randomAc, &m_randomSame})
        connect(range->box, &QCheckBox::clicked, this, [range] { range->applyTick(); });
    connect(m_sum.box, &QCheckBox::clicked, this, &TFrm_Select::CheckBox1Click);
    connect(CheckBox12, &QCheckBox::clicked, this, &TFrm_Select::CheckBox12Click);
    connect(CheckBox11, &QCheckBox::clicked, this, &TFrm_Select::CheckBox11Click);

    // Choosing another bet kind regenerates at once; the kind already
    // chosen changes nothing.
    for (QRadioButton* kind : {RadioButton1, RadioButton2, RadioButton3})
        connect(kind, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                SpeedButton2Click();
        });

    connect(SpeedButton2, &QPushButton::clicked, this, &TFrm_Select::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TFrm_Select::SpeedButton3Click);
    connect(SpeedButton12, &QPushButton::clicked, this, &TFrm_Select::SpeedButton12Click);
    connect(SpeedButton13, &QPushButton::clicked, this, &TFrm_Select::SpeedButton13Click);
    connect(SeSkinButton1, &QPushButton::clicked, this, &TFrm_Select::SeSkinButton1Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &QDialog::close);
    connect(SpeedButton11, &QPushButton::clicked, this, &QDialog::close);
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
