// The selection window's schemes: every setting saved under a name and
// brought back exactly.
#include "exchange/SchemeFile.h"
#include "exchange/SchemeRecord.h"
#include "ui/select/ExtendedFilterPage.h"
#include "ui/select/SchemeListWindow.h"
#include "ui/select/SchemeRecordColumn.h"
#include "ui/select/select.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const QString kSaveTitle = QStringLiteral("保存方案");

} // namespace

QString TFrm_Select::clampedText(const QString& scheme, const QStringList& ranges)
{
    return QStringLiteral("方案“%1”中有三位数不可能取到的值，已调整为最接近的可能值：\n").arg(scheme) +
           ranges.join(QLatin1Char('\n'));
}

SelectionScheme TFrm_Select::currentScheme() const
{
    SelectionScheme s;
    GenerationInput& m = s.manual;
    m.digits1 = Edit1->text();
    m.digits2 = Edit2->text();
    m.digits3 = Edit3->text();
    GenerationConditions& c = m.ranges;
    c.sum = m_sum.value(), c.odd = m_odd.value(), c.big = m_big.value(), c.ac = m_ac.value();
    c.same = m_same.value(), c.span = m_span.value(), c.prime = m_prime.value();
    c.route0 = m_route0.value(), c.route1 = m_route1.value();
    c.extended = m_extended->value();
    m.singleSumsTicked = CheckBox12->isChecked();
    m.singleSumsText = Edit11->text();
    m.limitTicked = CheckBox11->isChecked();
    m.limitText = Edit9->text();
    s.kind = RadioButton2->isChecked()   ? BetKind::Group3
             : RadioButton3->isChecked() ? BetKind::Group6
                                         : BetKind::Direct;
    RandomConditions& r = s.random;
    r.sum = m_randomSum.value(), r.odd = m_randomOdd.value(), r.big = m_randomBig.value();
    r.ac = m_randomAc.value(), r.same = m_randomSame.value();
    r.useExtended = m_useExtended->isChecked();
    s.randomCount = Edit8->text();
    return s;
}

void TFrm_Select::setRowDigits(DigitRow& row, const QString& digits)
{
    clearRow(row);
    for (QChar digit : digits)
        row.panels[size_t(digit.unicode() - u'0')]->setSelectedColour(true);
    row.box->setText(digits);
}

QStringList TFrm_Select::applyScheme(const SelectionScheme& s)
{
    const GenerationInput& m = s.manual;
    const QString digits[3] = {m.digits1, m.digits2, m.digits3};
    for (int r = 0; r < 3; ++r)
        setRowDigits(m_rows[size_t(r)], digits[r]);
    const GenerationConditions& c = m.ranges;
    const std::pair<RangeControls*, const RangeCondition*> ranges[] = {{&m_sum, &c.sum},
                                                                       {&m_odd, &c.odd},
                                                                       {&m_big, &c.big},
                                                                       {&m_ac, &c.ac},
                                                                       {&m_same, &c.same},
                                                                       {&m_span, &c.span},
                                                                       {&m_prime, &c.prime},
                                                                       {&m_route0, &c.route0},
                                                                       {&m_route1, &c.route1},
                                                                       {&m_randomSum, &s.random.sum},
                                                                       {&m_randomOdd, &s.random.odd},
                                                                       {&m_randomBig, &s.random.big},
                                                                       {&m_randomAc, &s.random.ac},
                                                                       {&m_randomSame, &s.random.same}};
    // Schemes saved when the lists ran to 63 (sums) or 12 (AC) may hold
    // values no three digits have: shown at the nearest possible value.
    QStringList clamped;
    for (const auto& [controls, range] : ranges)
        if (!setRangeValue(*controls, *range))
            clamped << QStringLiteral("%1 %2至%3 → %4至%5")
                           .arg(controls->box->text())
                           .arg(range->low)
                           .arg(range->high)
                           .arg(controls->low->currentText(), controls->high->currentText());
    m_extended->setValue(c.extended);
    CheckBox12->setChecked(m.singleSumsTicked);
    Edit11->setText(m.singleSumsText);
    Edit11->setEnabled(m.singleSumsTicked);
    CheckBox11->setChecked(m.limitTicked);
    Edit9->setText(m.limitText);
    Edit9->setEnabled(m.limitTicked);
    {
        // Loading a kind is no choice of the user's: nothing runs.
        const QSignalBlocker b1(RadioButton1), b2(RadioButton2), b3(RadioButton3);
        QRadioButton* kinds[] = {RadioButton1, RadioButton2, RadioButton3};
        kinds[int(s.kind)]->setChecked(true);
    }
    m_useExtended->setChecked(s.random.useExtended);
    Edit8->setText(s.randomCount);
    return clamped;
}

void TFrm_Select::saveScheme()
{
    const std::optional<QString> typed =
        m_dialogs.askText(this, kSaveTitle, QStringLiteral("方案名称："), m_schemeName);
    if (!typed)
        return;
    const QString name = typed->trimmed();
    if (const QString problem = Schemes::nameProblem(name); !problem.isEmpty()) {
        m_dialogs.message(this, problem);
        return;
    }
    if (Schemes::exists(m_userFolder, name) &&
        !m_dialogs.askYesNo(this, QStringLiteral("方案“%1”已经存在，是否覆盖？").arg(name)))
        return;
    runGuarded(m_dialogs, this, [&] {
        SelectionScheme scheme = currentScheme();
        scheme.saved = markNow(m_store);
        try {
            Schemes::save(m_userFolder, name, scheme);
        } catch (const SchemeError& error) {
            m_dialogs.message(this, error.text());
            return;
        }
        m_schemeName = name;
        m_scheme = scheme;
        setWindowTitle(kCaption + QStringLiteral(" - ") + name);
        m_dialogs.confirm(this, QStringLiteral("方案“%1”已保存。").arg(name));
    });
}

void TFrm_Select::loadScheme()
{
    const QStringList names = Schemes::names(m_userFolder);
    if (names.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("还没有保存过方案！"));
        return;
    }
    // The list also deletes and renames; the caption follows its scheme.
    SchemeListWindow list(m_userFolder, m_dialogs, this);
    showSchemeRecords(list, m_store, m_userFolder);
    connect(&list, &SchemeListWindow::schemeDeleted, this, [this](const QString& name) {
        if (name == m_schemeName)
            m_schemeName.clear(), setWindowTitle(kCaption);
    });
    connect(&list, &SchemeListWindow::schemeRenamed, this, [this](const QString& from, const QString& to) {
        if (from == m_schemeName)
            m_schemeName = to, setWindowTitle(kCaption + QStringLiteral(" - ") + to);
    });
    if (m_dialogs.exec(&list) != QDialog::Accepted)
        return;
    const std::optional<QString> chosen = list.chosenName();
    runGuarded(m_dialogs, this, [&] {
        SelectionScheme scheme;
        try {
            scheme = Schemes::load(m_userFolder, *chosen);
        } catch (const SchemeError& error) {
            m_dialogs.message(this, error.text());
            return;
        }
        const QStringList clamped = applyScheme(scheme);
        m_schemeName = *chosen;
        m_scheme = scheme;
        setWindowTitle(kCaption + QStringLiteral(" - ") + *chosen);
        if (!clamped.isEmpty())
            m_dialogs.message(this, clampedText(*chosen, clamped));
    });
}
