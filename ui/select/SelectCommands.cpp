// The selection window's commands: bet generation, random selection, export
// and the history filter.
#include "core/BetGeneration.h"
#include "core/ExpectedReturn.h"
#include "core/RandomSelection.h"
#include "core/SelectionText.h"
#include "exchange/BetTextFile.h"
#include "exchange/SchemeRecord.h"
#include "store/DrawStore.h"
#include "ui/analysis/IsPrize.h"
#include "ui/select/BacktestWindow.h"
#include "ui/select/BetListModel.h"
#include "ui/select/ConditionCheckWindow.h"
#include "ui/select/ExtendedFilterPage.h"
#include "ui/select/Print.h"
#include "ui/select/SelectHistory.h"
#include "ui/select/select.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

std::optional<TFrm_Select::Selection> TFrm_Select::readSelection(bool needDigits)
{
    static const QString kAllDigits = QStringLiteral("0123456789");
    Selection selection;
    GenerationInput input;
    input.digits1 = Edit1->text();
    input.digits2 = Edit2->text();
    input.digits3 = Edit3->text();
    if (!needDigits)
        for (QString* digits : {&input.digits1, &input.digits2, &input.digits3})
            if (digits->isEmpty())
                *digits = kAllDigits;
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
    c.extended = m_extended->value();
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
        return std::nullopt;
    }
    // The sums stay in the box: the next run reads the same list again.
    if (input.singleSumsTicked)
        c.singleSums = parseSingleSums(input.singleSumsText);
    if (input.limitTicked) {
        std::optional<int> limit = parseLimit(input.limitText);
        if (!limit) {
            Edit9->setText(QStringLiteral("0"));
            limit = 0;
        }
        c.limit = limit;
    }
    selection.digits1 = input.digits1;
    selection.digits2 = input.digits2;
    selection.digits3 = input.digits3;
    selection.conditions = c;
    selection.kind = RadioButton2->isChecked()   ? BetKind::Group3
                     : RadioButton3->isChecked() ? BetKind::Group6
                                                 : BetKind::Direct;
    return selection;
}

void TFrm_Select::SpeedButton2Click()
{
    runGuarded(m_dialogs, this, [this] {
        const std::optional<Selection> selection = readSelection();
        if (!selection)
            return;
        const Selection& s = *selection;
        const QString latest = m_store.latestNumber();
        setDirectCombinations(int(s.digits1.size() * s.digits2.size() * s.digits3.size()));
        GenerationResult result = generateBets(s.digits1, s.digits2, s.digits3, s.kind, s.conditions, latest);
        const int count = int(result.bets.size());
        showManualBets(result.bets);
        SpeedButton12->setEnabled(true);
        m_prizeCheckButton->setEnabled(true);
        // A limited run sets the count too, so it never describes an older list.
        Label25->setText(QString::number(count));
        m_listedKind = s.kind;
        showExpectedReturn(count);
        if (!result.complete)
            return;
        m_dialogs.message(this, SelectText::generated(count));
        SeSkinButton1->setEnabled(true);
    });
}

// The current selection tried on past draws, in a window of its own.
void TFrm_Select::backtest()
{
    runGuarded(m_dialogs, this, [this] {
        const std::optional<Selection> selection = readSelection();
        if (!selection)
            return;
        BacktestWindow window(m_store, m_dialogs, selection->digits1, selection->digits2, selection->digits3,
                              selection->kind, selection->conditions, this);
        window.setTries(&m_tries);
        const SchemeSelection current{selection->digits1, selection->digits2, selection->digits3, selection->kind,
                                      selection->conditions};
        if (const std::optional<SchemeMark> mark = sinceSavedMark(m_scheme, m_store.game(), current))
            window.offerSinceSaved(*mark);
        window.run();
        m_dialogs.exec(&window);
    });
}

// Each ticked condition tried on the drawn numbers of past draws.
void TFrm_Select::checkConditionsOnHistory()
{
    runGuarded(m_dialogs, this, [this] {
        const std::optional<Selection> selection = readSelection(false);
        if (!selection)
            return;
        ConditionCheckWindow window(m_store, m_dialogs, selection->conditions, selection->kind, this);
        window.run();
        m_dialogs.exec(&window);
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
        c.useExtended = m_useExtended->isChecked();
        c.extended = m_extended->value();
        const RandomRequest request = checkRandomSelection(Edit8->text(), c);
        if (!request.problem.isEmpty()) {
            m_dialogs.message(this, request.problem);
            return;
        }
        const bool needsLatest =
            c.same.ticked || (c.useExtended && (c.extended.repeat.ticked || c.extended.neighbour.ticked));
        const QString latest = needsLatest ? m_store.latestNumber() : QString();
        RandomResult result = selectRandomBets(request.count, c, latest, seed);
        if (result.gaveUp)
            m_dialogs.message(this, SelectText::kGaveUp);
        else if (int(result.bets.size()) < request.count)
            m_dialogs.message(this, SelectText::onlyAvailable(result.available));
        const int emptyRows = result.bets.empty() ? 1 : 0;
        const int count = int(result.bets.size());
        m_randomBets->setBets(std::move(result.bets), emptyRows);
        // Random bets are 直选 and all different.
        m_randomReturn->setText(ReturnText::summary(expectedReturn(BetKind::Direct, count)));
        SpeedButton13->setEnabled(true);
        m_randomPrizeCheckButton->setEnabled(true);
    });
}

void TFrm_Select::SpeedButton12Click()
{
    exportBets(m_manualBets->bets(), m_listedKind);
}

void TFrm_Select::SpeedButton13Click()
{
    exportBets(m_randomBets->bets(), BetKind::Direct);
}

void TFrm_Select::exportBets(const BetList& bets, BetKind kind)
{
    if (!m_print)
        return;
    m_print->setBetLines(betTextLines(bets));
    // The print window's 中奖查询 checks its memo as it then stands.
    const QMetaObject::Connection asked = connect(m_print, &TFrm_Print::prizeCheckAsked, this,
                                                  [this, kind](const QString& lines) { checkPrizes(m_print, lines, kind); });
    m_dialogs.exec(m_print);
    disconnect(asked);
}

void TFrm_Select::checkPrizes(QWidget* parent, const QString& lines, BetKind kind)
{
    runGuarded(m_dialogs, parent, [&] {
        TFrm_IsPrize window(m_store, m_dialogs, parent);
        window.keepSizeIn(m_userFolder);
        window.setBetList(lines, kind == BetKind::Direct ? TicketKind::Direct : TicketKind::Group);
        m_dialogs.exec(&window);
    });
}

void TFrm_Select::prizeCheckManual()
{
    checkPrizes(this, betTextLines(manualBets()).join(QLatin1Char('\n')), m_listedKind);
}

void TFrm_Select::prizeCheckRandom()
{
    checkPrizes(this, betTextLines(m_randomBets->bets()).join(QLatin1Char('\n')), BetKind::Direct);
}

void TFrm_Select::SeSkinButton1Click()
{
    if (!m_history)
        return;
    // The filter works on this window's list and hands back what it leaves.
    m_history->setBets(manualBets());
    const QMetaObject::Connection shown =
        connect(m_history, &TFrm_SelectHistory::betsThinned, this, &TFrm_Select::showManualBets);
    const QMetaObject::Connection done = connect(m_history, &TFrm_SelectHistory::filtered, this,
                                                 [this](const BetList&, int removed) { lowerFilteredCount(removed); });
    m_dialogs.exec(m_history);
    disconnect(shown);
    disconnect(done);
    m_history->setBets(std::nullopt);
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
    const int count = Label25->text().toInt() - removed;
    Label25->setText(QString::number(count));
    showExpectedReturn(count);
}

void TFrm_Select::showExpectedReturn(int bets)
{
    m_expectedReturn->setText(ReturnText::summary(expectedReturn(m_listedKind, bets)));
}

void TFrm_Select::setDirectCombinations(int combinations)
{
    Label23->setText(QString::number(combinations));
}
