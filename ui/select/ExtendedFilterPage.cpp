#include "ui/select/ExtendedFilterPage.h"

#include "core/BetFilter.h"
#include "core/TypedValues.h"
#include "ui/widgets/TypedList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <algorithm>

namespace {

constexpr int kPitch = 23;      // one line of the page
constexpr int kBoxWidth = 100;  // tick boxes with their captions
constexpr int kPanelLeft = 104; // where the panels start
constexpr int kPanelHeight = 20;
constexpr int kTypedLeft = kPanelLeft + 10 * 22 + 4; // a typed list right of ten panels
constexpr int kTypedWidth = 96;

} // namespace

ExtendedFilterPage::ExtendedFilterPage(QWidget* parent) : QWidget(parent)
{
    setObjectName("TabSheetExtended");
    using namespace ExtendedValues;
    int y = 6;
    auto name = [](ConditionId id) { return conditionName(id); };
    addSet(&ExtendedConditions::dan, "dan", name(ConditionId::Dan), digits(), 6, y, kBoxWidth, 22, 10);
    // The mode list takes the right of the row, so 胆码 are typed beside their caption.
    addTypedBox("dan", 6 + m_sets.back().box->width() + 2, y, kPanelLeft - 12 - m_sets.back().box->width());
    m_danMode = new QComboBox(this);
    m_danMode->setObjectName("danModeList");
    m_danMode->addItems({QStringLiteral("至少含一个"), QStringLiteral("全部包含")});
    m_danMode->setGeometry(kPanelLeft + 226, y, 96, kPanelHeight);
    m_danMode->setEnabled(false);
    connect(m_sets.back().box, &QCheckBox::clicked, m_danMode, &QWidget::setEnabled);
    addSet(&ExtendedConditions::kill, "kill", name(ConditionId::Kill), digits(), 6, y += kPitch, kBoxWidth, 22, 10);
    addTypedBox("kill", kTypedLeft, y, kTypedWidth);
    addSet(&ExtendedConditions::sumExcluded, "sumExcluded", name(ConditionId::SumExcluded), sums(), 6, y += kPitch,
           kBoxWidth, 22, 14);
    y += kPitch;
    addTypedBox("sumExcluded", 22, y, kPanelLeft - 26); // under the caption, beside the second line
    addSet(&ExtendedConditions::spanExcluded, "spanExcluded", name(ConditionId::SpanExcluded), digits(), 6, y += kPitch,
           kBoxWidth, 22, 10);
    addTypedBox("spanExcluded", kTypedLeft, y, kTypedWidth);
    addSet(&ExtendedConditions::sumTail, "sumTail", name(ConditionId::SumTail), digits(), 6, y += kPitch, kBoxWidth, 22,
           10);
    addTypedBox("sumTail", kTypedLeft, y, kTypedWidth);
    addSet(&ExtendedConditions::shape, "shape", name(ConditionId::Shape), shapes(), 6, y += kPitch, kBoxWidth, 40, 3);
    addSet(&ExtendedConditions::run, "run", name(ConditionId::Run), runs(), 232, y, 60, 44, 3);
    addSet(&ExtendedConditions::bigSmall, "bigSmall", name(ConditionId::BigSmall), ExtendedValues::bigSmall(), 6,
           y += kPitch, kBoxWidth, 40, 8);
    addSet(&ExtendedConditions::oddEven, "oddEven", name(ConditionId::OddEven), ExtendedValues::oddEven(), 6,
           y += kPitch, kBoxWidth, 40, 8);
    addSet(&ExtendedConditions::primeComposite, "primeComposite", name(ConditionId::PrimeComposite),
           ExtendedValues::primeComposite(), 6, y += kPitch, kBoxWidth, 40, 8);
    addSet(&ExtendedConditions::route, "route", name(ConditionId::Route), routes(), 6, y += kPitch, kBoxWidth, 34, 9);
    y += 2 * kPitch;
    addSet(&ExtendedConditions::pairSumTail, "pairSumTail", name(ConditionId::PairSumTail), digits(), 6, y += kPitch,
           kBoxWidth, 22, 10);
    addTypedBox("pairSumTail", kTypedLeft, y, kTypedWidth);
    addSet(&ExtendedConditions::pairDiff, "pairDiff", name(ConditionId::PairDiff), digits(), 6, y += kPitch, kBoxWidth,
           22, 10);
    addTypedBox("pairDiff", kTypedLeft, y, kTypedWidth);
    // The two count ranges are laid out as the other pages' ranges are, on a
    // row of their own under the panels.
    auto* ranges = new QWidget(this);
    ranges->move(0, y += kPitch);
    m_repeat = makeRange(ranges, "repeatBox", name(ConditionId::Repeat), "repeatLow", "repeatTo", "repeatHigh",
                         ConditionValues::counts(), 0, 1);
    m_neighbour = makeRange(ranges, "neighbourBox", name(ConditionId::Neighbour), "neighbourLow", "neighbourTo",
                            "neighbourHigh", ConditionValues::counts(), 0, 1);
    auto* rangeRow = new QGridLayout(ranges);
    rangeRow->setContentsMargins(6, 0, 6, 0);
    rangeRow->setHorizontalSpacing(2);
    addRange(rangeRow, m_repeat, 0, 0);
    rangeRow->setColumnMinimumWidth(4, 16);
    rangeRow->setColumnStretch(4, 1);
    addRange(rangeRow, m_neighbour, 0, 5);
    ranges->resize(kTypedLeft + kTypedWidth, ranges->sizeHint().height());
    // Every condition says in its tooltip what it keeps.
    const std::pair<const char*, ConditionId> hints[] = {{"danBox", ConditionId::Dan},
                                                         {"killBox", ConditionId::Kill},
                                                         {"sumExcludedBox", ConditionId::SumExcluded},
                                                         {"spanExcludedBox", ConditionId::SpanExcluded},
                                                         {"sumTailBox", ConditionId::SumTail},
                                                         {"shapeBox", ConditionId::Shape},
                                                         {"runBox", ConditionId::Run},
                                                         {"bigSmallBox", ConditionId::BigSmall},
                                                         {"oddEvenBox", ConditionId::OddEven},
                                                         {"primeCompositeBox", ConditionId::PrimeComposite},
                                                         {"routeBox", ConditionId::Route},
                                                         {"pairSumTailBox", ConditionId::PairSumTail},
                                                         {"pairDiffBox", ConditionId::PairDiff},
                                                         {"repeatBox", ConditionId::Repeat},
                                                         {"neighbourBox", ConditionId::Neighbour}};
    for (const auto& [box, id] : hints)
        if (auto* found = findChild<QCheckBox*>(QString::fromLatin1(box)))
            found->setToolTip(conditionHint(id));
    for (const RangeControls* range : {&m_repeat, &m_neighbour})
        connect(range->box, &QCheckBox::clicked, this, [range] { range->applyTick(); });
    // Placed by hand, the page tells the layout around it how much room it needs.
    const QRect used = childrenRect();
    setMinimumSize(used.right() + 1 + used.left(), used.bottom() + 1 + used.top());
}

void ExtendedFilterPage::addSet(ValueSetCondition ExtendedConditions::*field, const char* key, const QString& caption,
                                const QStringList& values, int x, int y, int boxWidth, int panelWidth, int perLine)
{
    SetRow row{field, new QCheckBox(caption, this), {}};
    row.box->setObjectName(QString::fromLatin1(key) + QStringLiteral("Box"));
    row.box->setGeometry(x, y, boxWidth, kPanelHeight);
    // Only the indicator and caption take clicks: no wider than they are.
    row.box->resize(std::min(boxWidth, row.box->sizeHint().width()), kPanelHeight);
    const int left = x + boxWidth;
    for (int v = 0; v < values.size(); ++v) {
        auto* panel =
            new DigitPanel(QString::fromLatin1(key) + QStringLiteral("Panel") + QString::number(v), values[v], this);
        panel->setGeometry(left + v % perLine * panelWidth, y + v / perLine * kPitch, panelWidth - 2, kPanelHeight);
        connect(panel, &DigitPanel::clicked, panel, [panel] { panel->setSelectedColour(!panel->isSelectedColour()); });
        row.panels.push_back(panel);
    }
    m_sets.push_back(std::move(row));
    const size_t index = m_sets.size() - 1;
    connect(m_sets.back().box, &QCheckBox::clicked, this, [this, index] { applyTick(m_sets[index]); });
    applyTick(m_sets.back());
}

void ExtendedFilterPage::addTypedBox(const char* key, int x, int y, int width)
{
    SetRow& row = m_sets.back();
    row.typed = new QLineEdit(this);
    row.typed->setObjectName(QString::fromLatin1(key) + QStringLiteral("Edit"));
    row.typed->setGeometry(x, y, width, kPanelHeight);
    takeTypedList(row.typed, int(row.panels.size()) - 1);
    const size_t index = m_sets.size() - 1;
    connect(row.typed, &QLineEdit::textEdited, this, [this, index] { showTyped(m_sets[index]); });
    for (DigitPanel* panel : row.panels)
        connect(panel, &DigitPanel::clicked, this, [this, index] { listPanels(m_sets[index]); });
    applyTick(row);
}

void ExtendedFilterPage::applyTick(const SetRow& row) const
{
    for (DigitPanel* panel : row.panels)
        panel->setEnabled(row.box->isChecked());
    if (row.typed)
        row.typed->setEnabled(row.box->isChecked());
}

void ExtendedFilterPage::showTyped(const SetRow& row) const
{
    const std::vector<int> values = typedListValues(row.typed, int(row.panels.size()) - 1);
    for (size_t v = 0; v < row.panels.size(); ++v)
        row.panels[v]->setSelectedColour(std::find(values.begin(), values.end(), int(v)) != values.end());
}

// A set has no order: after a click the list shows the chosen values rising.
void ExtendedFilterPage::listPanels(const SetRow& row) const
{
    std::vector<int> values;
    for (size_t v = 0; v < row.panels.size(); ++v)
        if (row.panels[v]->isSelectedColour())
            values.push_back(int(v));
    row.typed->setText(typedValuesText(values, int(row.panels.size()) - 1));
}

ExtendedConditions ExtendedFilterPage::value() const
{
    ExtendedConditions c;
    for (const SetRow& row : m_sets) {
        ValueSetCondition& set = c.*row.field;
        set.ticked = row.box->isChecked();
        for (size_t v = 0; v < row.panels.size(); ++v)
            set.set(int(v), row.panels[v]->isSelectedColour());
    }
    c.danMode = m_danMode->currentIndex() == 1 ? DanMode::All : DanMode::AtLeastOne;
    c.repeat = m_repeat.value();
    c.neighbour = m_neighbour.value();
    return c;
}

void ExtendedFilterPage::setValue(const ExtendedConditions& c)
{
    for (const SetRow& row : m_sets) {
        const ValueSetCondition& set = c.*row.field;
        row.box->setChecked(set.ticked);
        for (size_t v = 0; v < row.panels.size(); ++v)
            row.panels[v]->setSelectedColour(set.has(int(v)));
        if (row.typed)
            listPanels(row);
        applyTick(row);
    }
    m_danMode->setCurrentIndex(c.danMode == DanMode::All ? 1 : 0);
    m_danMode->setEnabled(c.dan.ticked);
    const std::pair<RangeControls*, const RangeCondition*> ranges[] = {{&m_repeat, &c.repeat},
                                                                       {&m_neighbour, &c.neighbour}};
    for (const auto& [controls, range] : ranges)
        setRangeValue(*controls, *range);
}
