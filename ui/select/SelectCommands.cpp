// The selection window's commands: bet generation, random selection, export
// and the history filter.
#include "core/BetGeneration.h"
#include "core/RandomSelection.h"
#include "core/SelectionText.h"
#include "exchange/BetTextFile.h"
#include "store/DrawStore.h"
#include "ui/select/BetListModel.h"
#include "ui/select/Print.h"
#include "ui/select/SelectHistory.h"
#include "ui/select/select.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void TFrm_Select::SpeedButton2Click()
{
    runGuarded(m_dialogs, this, [this] {
        GenerationInput input;
        input.digits1 = Edit1->text();
        input.digits2 = Edit2->text();
        input.digits3 = Edit3->text();
        GenerationConditions& c = input.ranges;
        c.sum = m_sum.value();
        c.odd = m_odd.value();
        c.big = m_big.value();
        c.ac = m_ac.value();
        c.same = m_same.value();
        c.span = m_span.value();
        c.prime = m_prime.value();
        c.route0 = m_route0.value();
        c.route1 = m_route1.value();
        input.singleSumsTicked = CheckBox12->isChecked();
        input.singleSumsText = Edit11->text();
        input.limitTicked = CheckBox11->isChecked();
        input.limitText = Edit9->text();
        if (const auto problem = checkGeneration(input)) {
            m_dialogs.message(this, problem->message);
            if (problem->focus == GenerationProblem::Focus::Limit)
                Edit9->setFocus();
            else if (problem->focus == GenerationProblem::Focus::SingleSums)
                Edit11->setFocus();
            return;
        }
        // The sums stay in the box: the next run reads the same list again.
        if (input.singleSumsTicked)
            c.singleSums = parseSingleSums(input.singleSumsText);
        const QString latest = m_store.latestNumber();
        setDirectCombinations(int(input.digits1.size() * input.digits2.size() * input.digits3.size()));
        if (input.limitTicked) {
            std::optional<int> limit = parseLimit(input.limitText);
            if (!limit) {
                Edit9->setText(QStringLiteral("0"));
                limit = 0;
            }
            c.limit = limit;
        }
        const BetKind kind = RadioButton2->isChecked()   ? BetKind::Group3
                             : RadioButton3->isChecked() ? BetKind::Group6
                                                         : BetKind::Direct;
        GenerationResult result = generateBets(input.digits1, input.digits2, input.digits3, kind, c, latest);
        const int count = int(result.bets.size());
        showManualBets(result.bets);
        SpeedButton12->setEnabled(true);
        // A limited run sets the count too, so it never describes an older list.
        Label25->setText(QString::number(count));
        if (!result.complete)
            return;
        m_dialogs.message(this, SelectText::generated(count));
        SeSkinButton1->setEnabled(true);
    });
}

void TFrm_Select::SpeedButton3Click()
{
    runGuarded(m_dialogs, this, [this] {
        const quint32 seed = m_seedSource();
        RandomConditions c;
        c.sum = m_randomSum.value();
        c.odd = m_randomOdd.value();
        c.big = m_randomBig.value();
        c.ac = m_randomAc.value();
        c.same = m_randomSame.value();
        const RandomRequest request = checkRandomSelection(Edit8->text(), c);
        if (!request.problem.isEmpty()) {
            m_dialogs.message(this, request.problem);
            return;
        }
        if (request.count > RandomLimits::kAskAbove && !m_dialogs.askYesNo(this, SelectText::kAskLargeCount))
            return;
        const QString latest = c.same.ticked ? m_store.latestNumber() : QString();
        RandomResult result = selectRandomBets(request.count, c, latest, seed);
        if (result.gaveUp)
            m_dialogs.message(this, SelectText::kGaveUp);
        const int emptyRows = result.bets.empty() ? 1 : 0;
        m_randomBets->setBets(std::move(result.bets), emptyRows);
        SpeedButton13->setEnabled(true);
    });
}

void TFrm_Select::SpeedButton12Click()
{
    exportBets(m_manualBets->bets());
}

void TFrm_Select::SpeedButton13Click()
{
    exportBets(m_randomBets->bets());
}

void TFrm_Select::exportBets(const BetList& bets)
{
    if (!m_print)
        return;
    m_print->setBetLines(betTextLines(bets));
    m_dialogs.exec(m_print);
}

void TFrm_Select::SeSkinButton1Click()
{
    if (!m_history)
        return;
    m_history->setSelectWindow(this);
    m_dialogs.exec(m_history);
    m_history->setSelectWindow(nullptr);
}

const BetList& TFrm_Select::manualBets() const
{
    return m_manualBets->bets();
}

void TFrm_Select::showManualBets(const BetList& bets)
{
    m_manualBets->setBets(bets, 1);
}

void TFrm_Select::lowerFilteredCount(int removed)
{
    Label25->setText(QString::number(Label25->text().toInt() - removed));
}

void TFrm_Select::setDirectCombinations(int combinations)
{
    Label23->setText(QString::number(combinations));
}
