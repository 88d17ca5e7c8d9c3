#include "ui/main/Itemset.h"

#include "core/ConversionError.h"
#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/RadioGroup.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <climits>

const QString TFrm_itemset::kSavedText = QStringLiteral("默认参数设置成功！");
const QString TFrm_itemset::kRestartText = QStringLiteral("默认参数设置成功；以下设置在重新启动程序后生效：%1。");

QString TFrm_itemset::savedText(const QStringList& waiting)
{
    return waiting.isEmpty() ? kSavedText : kRestartText.arg(waiting.join(QStringLiteral("、")));
}

TFrm_itemset::TFrm_itemset(QString optionsPath, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_optionsPath(std::move(optionsPath)), m_dialogs(dialogs),
      m_inForce(readStartupOptions(m_optionsPath))
{
    setObjectName("Frm_itemset");
    setWindowTitle(QStringLiteral("选项设置"));
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(13);
    setFont(font);

    RadioGroup1 = new RadioGroup(QStringLiteral("默认显示期数"), {"20", "40", "60", "80", "100"}, 5, this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setItemIndex(1);

    SeSkinGroupBox2 = new QGroupBox(QStringLiteral("首页列宽"), this);
    SeSkinGroupBox2->setObjectName("SeSkinGroupBox2");
    SeSkinLabel2 = new QLabel(QStringLiteral("第一至第七位："), SeSkinGroupBox2);
    SeSkinLabel2->setObjectName("SeSkinLabel2");
    SeSkinSpinEdit1 = new QSpinBox(SeSkinGroupBox2);
    SeSkinSpinEdit1->setObjectName("SeSkinSpinEdit1");
    SeSkinSpinEdit1->setRange(INT_MIN, INT_MAX);
    SeSkinSpinEdit1->setValue(16);
    SeSkinLabel1 = new QLabel(QStringLiteral("像素"), SeSkinGroupBox2);
    SeSkinLabel1->setObjectName("SeSkinLabel1");
    auto* widthRow = new QHBoxLayout(SeSkinGroupBox2);
    widthRow->addWidget(SeSkinLabel2);
    widthRow->addWidget(SeSkinSpinEdit1, 1);
    widthRow->addWidget(SeSkinLabel1);

    SeSkinGroupBox1 = new QGroupBox(QStringLiteral("彩票种类设置"), this);
    SeSkinGroupBox1->setObjectName("SeSkinGroupBox1");
    SeSkinRadioButton1 = new QRadioButton(QStringLiteral("福彩3D"), SeSkinGroupBox1);
    SeSkinRadioButton1->setObjectName("SeSkinRadioButton1");
    SeSkinRadioButton1->setChecked(true);
    SeSkinRadioButton2 = new QRadioButton(QStringLiteral("排列3"), SeSkinGroupBox1);
    SeSkinRadioButton2->setObjectName("SeSkinRadioButton2");
    auto* gameRow = new QHBoxLayout(SeSkinGroupBox1);
    gameRow->addWidget(SeSkinRadioButton1);
    gameRow->addWidget(SeSkinRadioButton2);

    SeSkinButton1 = new QPushButton(QStringLiteral("设置"), this);
    SeSkinButton1->setObjectName("SeSkinButton1");
    SeSkinButton2 = new QPushButton(QStringLiteral("退出"), this);
    SeSkinButton2->setObjectName("SeSkinButton2");
    connect(SeSkinButton1, &QPushButton::clicked, this, &TFrm_itemset::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TFrm_itemset::SeSkinButton2Click);

    m_schemeGroup = new QGroupBox(QStringLiteral("配色"), this);
    m_schemeGroup->setObjectName("schemeGroup");
    auto* schemeRow = new QHBoxLayout(m_schemeGroup);
    const char* schemeNames[] = {"schemeSystem", "schemeLight", "schemeDark"};
    const SchemeChoice choices[] = {SchemeChoice::System, SchemeChoice::Light, SchemeChoice::Dark};
    for (int i = 0; i < 3; ++i) {
        m_schemeButtons[i] = new QRadioButton(schemeName(choices[i]), m_schemeGroup);
        m_schemeButtons[i]->setObjectName(QString::fromLatin1(schemeNames[i]));
        schemeRow->addWidget(m_schemeButtons[i]);
    }
    m_schemeButtons[0]->setChecked(true);
    m_schemeGroup->setToolTip(QStringLiteral("界面颜色：跟随桌面的明暗，或固定为浅色、深色；保存后立即生效"));

    m_noticeGroup = new QGroupBox(QStringLiteral("完成提示"), this);
    m_noticeGroup->setObjectName("noticeGroup");
    m_noticeBox = new QRadioButton(Options::kNoticeBox, m_noticeGroup);
    m_noticeBox->setObjectName("noticeBox");
    m_noticeStatusLine = new QRadioButton(Options::kNoticeStatusLine, m_noticeGroup);
    m_noticeStatusLine->setObjectName("noticeStatusLine");
    m_noticeBox->setChecked(true);
    auto* noticeRow = new QHBoxLayout(m_noticeGroup);
    noticeRow->addWidget(m_noticeBox);
    noticeRow->addWidget(m_noticeStatusLine);
    m_noticeGroup->setToolTip(
        QStringLiteral("录入、备份、保存等完成时的提示：弹出窗口，或只在状态栏显示；保存后立即生效"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(SeSkinGroupBox2);
    groups->addWidget(SeSkinGroupBox1);
    auto* look = new QHBoxLayout;
    look->addWidget(m_schemeGroup);
    look->addWidget(m_noticeGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SeSkinButton1);
    buttons->addWidget(SeSkinButton2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(groups);
    layout->addLayout(look);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(427, 273)));
}

void TFrm_itemset::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(m_dialogs, this, [this] { FormShow(); });
}

void TFrm_itemset::FormShow()
{
    const StartupOptions options = readStartupOptions(m_optionsPath);
    setWidthText(options.columnWidth);
    (options.isFucai() ? SeSkinRadioButton1 : SeSkinRadioButton2)->setChecked(true);
    m_schemeButtons[int(schemeFromName(options.scheme))]->setChecked(true);
    (options.noticesOnStatusLine() ? m_noticeStatusLine : m_noticeBox)->setChecked(true);
    // A stored count that is not a number is reported by its conversion error
    // and selects no item, so a save keeps it unless an item is chosen. It is
    // read last: the width and the game shown are the stored ones, and a save
    // never writes another game than the file holds.
    RadioGroup1->setItemIndex(-1);
    RadioGroup1->setItemIndex(showCountItemIndex(toIntStrict(options.defaultShowCount)));
}

void TFrm_itemset::SeSkinButton1Click()
{
    runGuarded(m_dialogs, this, Unsaved::kOptions, [this] {
        std::vector<IniValue> values{{Options::kWidthSection, Options::kWidthKey, widthText()}};
        // With no item selected (a stored count below 20) the stored count is kept.
        if (RadioGroup1->itemIndex() >= 0)
            values.push_back(
                {Options::kStartSection, Options::kShowCountKey, RadioGroup1->itemText(RadioGroup1->itemIndex())});
        values.push_back({Options::kKindSection, Options::kKindKey,
                          SeSkinRadioButton1->isChecked() ? Options::kKindFucai : Options::kKindTicai});
        SchemeChoice scheme = SchemeChoice::System;
        for (int i = 0; i < 3; ++i)
            if (m_schemeButtons[i]->isChecked())
                scheme = SchemeChoice(i);
        values.push_back({Options::kLookSection, Options::kSchemeKey, schemeName(scheme)});
        const bool statusLine = m_noticeStatusLine->isChecked();
        values.push_back({Options::kLookSection, Options::kNoticeKey,
                          statusLine ? Options::kNoticeStatusLine : Options::kNoticeBox});
        // One replace of the whole file: a failure leaves every key as it was.
        IniFile(m_optionsPath).writeStrings(values);
        applyColourScheme(scheme);
        emit noticesChanged(statusLine);
        // What is in force already only needs confirming; a wait for the restart must be seen.
        const QStringList waiting = waitingForRestart();
        if (waiting.isEmpty())
            m_dialogs.confirm(this, kSavedText);
        else
            m_dialogs.message(this, savedText(waiting));
    });
}

void TFrm_itemset::SeSkinButton2Click()
{
    close();
}

QStringList TFrm_itemset::waitingForRestart() const
{
    QStringList waiting;
    if (RadioGroup1->itemIndex() >= 0 && RadioGroup1->itemText(RadioGroup1->itemIndex()) != m_inForce.defaultShowCount)
        waiting << RadioGroup1->title();
    if (widthText() != m_inForce.columnWidth)
        waiting << SeSkinGroupBox2->title();
    if (SeSkinRadioButton1->isChecked() != m_inForce.isFucai())
        waiting << SeSkinGroupBox1->title();
    return waiting;
}

QString TFrm_itemset::widthText() const
{
    return SeSkinSpinEdit1->text();
}

void TFrm_itemset::setWidthText(const QString& text)
{
    // The stored text is shown as it stands, even when it is not a number.
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (isNumber)
        SeSkinSpinEdit1->setValue(value);
    if (auto* edit = SeSkinSpinEdit1->findChild<QLineEdit*>())
        edit->setText(text);
}
