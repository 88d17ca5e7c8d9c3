#include "ui/select/ExtendedFilterPage.h"

#include "core/BetFilter.h"
#include "core/TypedValues.h"
#include "ui/widgets/TypedList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <algorithm>

namespace {

constexpr int kPanelHeight = 20;
constexpr int kLineGap = 3;     // between the lines of the page and of a set's panels
constexpr int kTypedWidth = 96; // a typed list or the 胆码 mode, right of ten panels

QLineEdit* typedBox(const char* key)
{
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(key) + QStringLiteral("Edit"));
    box->setFixedHeight(kPanelHeight);
    return box;
}

} // namespace

ExtendedFilterPage::ExtendedFilterPage(QWidget* parent) : QWidget(parent)
{
    setObjectName("TabSheetExtended");
    using namespace ExtendedValues;
    auto name = [](ConditionId id) { return conditionName(id); };
    // Column 0 the tick boxes, column 1 the panels, column 2 a typed list or
    // the 胆码 mode; rows of more than ten panels take columns 1 and 2.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(kLineGap);
    int row = 0;

    // 胆码 are typed beside their caption: the mode list takes the right of the row.
    QWidget* danPanels = addSet(&ExtendedConditions::dan, "dan", name(ConditionId::Dan), digits(), 22, 10);
    auto* danCaption = new QHBoxLayout;
    danCaption->setSpacing(2);
    danCaption->addWidget(m_sets.back().box);
    danCaption->addWidget(addTypedBox(typedBox("dan")), 1);
    grid->addLayout(danCaption, row, 0);
    grid->addWidget(danPanels, row, 1);
    m_danMode = new QComboBox;
    m_danMode->setObjectName("danModeList");
    m_danMode->addItems({QStringLiteral("至少含一个"), QStringLiteral("全部包含")});
    m_danMode->setFixedSize(kTypedWidth, kPanelHeight);
    m_danMode->setEnabled(false);
    connect(m_sets.back().box, &QCheckBox::clicked, m_danMode, &QWidget::setEnabled);
    grid->addWidget(m_danMode, row++, 2);

    // A set of ten values with its typed list at the right.
    const auto typedRow = [&](ValueSetCondition ExtendedConditions::*field, const char* key, ConditionId id) {
        QWidget* panels = addSet(field, key, name(id), digits(), 22, 10);
        grid->addWidget(m_sets.back().box, row, 0, Qt::AlignLeft);
        grid->addWidget(panels, row, 1);
        QLineEdit* typed = addTypedBox(typedBox(key));
        typed->setFixedWidth(kTypedWidth);
        grid->addWidget(typed, row++, 2);
    };
    // A set wider than ten panels, over `lines` lines, with no typed list.
    const auto wideRow = [&](ValueSetCondition ExtendedConditions::*field, const char* key, ConditionId id,
                             const QStringList& values, int panelWidth, int perLine) {
        QWidget* panels = addSet(field, key, name(id), values, panelWidth, perLine);
        grid->addWidget(m_sets.back().box, row, 0, Qt::AlignLeft | Qt::AlignTop);
        const int lines = (int(values.size()) + perLine - 1) / perLine;
        grid->addWidget(panels, row, 1, lines, 2, Qt::AlignLeft);
        row += lines;
    };

    typedRow(&ExtendedConditions::kill, "kill", ConditionId::Kill);
    // 和值排除: two lines of panels, the typed list under the caption.
    wideRow(&ExtendedConditions::sumExcluded, "sumExcluded", ConditionId::SumExcluded, sums(), 22, 14);
    auto* sumsTyped = new QHBoxLayout;
    sumsTyped->addSpacing(16);
    sumsTyped->addWidget(addTypedBox(typedBox("sumExcluded")));
    grid->addLayout(sumsTyped, row - 1, 0);
    typedRow(&ExtendedConditions::spanExcluded, "spanExcluded", ConditionId::SpanExcluded);
    typedRow(&ExtendedConditions::sumTail, "sumTail", ConditionId::SumTail);

    // 形态 and 连号 share a line.
    QWidget* shapePanels = addSet(&ExtendedConditions::shape, "shape", name(ConditionId::Shape), shapes(), 40, 3);
    grid->addWidget(m_sets.back().box, row, 0, Qt::AlignLeft);
    QWidget* runPanels = addSet(&ExtendedConditions::run, "run", name(ConditionId::Run), runs(), 44, 3);
    auto* shapeAndRun = new QHBoxLayout;
    shapeAndRun->setSpacing(4);
    shapeAndRun->addWidget(shapePanels);
    shapeAndRun->addSpacing(8);
    shapeAndRun->addWidget(m_sets.back().box);
    shapeAndRun->addWidget(runPanels);
    shapeAndRun->addStretch();
    grid->addLayout(shapeAndRun, row++, 1, 1, 2);

    wideRow(&ExtendedConditions::bigSmall, "bigSmall", ConditionId::BigSmall, ExtendedValues::bigSmall(), 40, 8);
    wideRow(&ExtendedConditions::oddEven, "oddEven", ConditionId::OddEven, ExtendedValues::oddEven(), 40, 8);
    wideRow(&ExtendedConditions::primeComposite, "primeComposite", ConditionId::PrimeComposite,
            ExtendedValues::primeComposite(), 40, 8);
    wideRow(&ExtendedConditions::route, "route", ConditionId::Route, routes(), 34, 9);
    typedRow(&ExtendedConditions::pairSumTail, "pairSumTail", ConditionId::PairSumTail);
    typedRow(&ExtendedConditions::pairDiff, "pairDiff", ConditionId::PairDiff);

    // The two count ranges, as the other pages' ranges are, on a row of their own.
    m_repeat = makeRange(this, "repeatBox", name(ConditionId::Repeat), "repeatLow", "repeatTo", "repeatHigh",
                         ConditionValues::counts(), 0, 1);
    m_neighbour = makeRange(this, "neighbourBox", name(ConditionId::Neighbour), "neighbourLow", "neighbourTo",
                            "neighbourHigh", ConditionValues::counts(), 0, 1);
    auto* ranges = new QGridLayout;
    ranges->setHorizontalSpacing(2);
    addRange(ranges, m_repeat, 0, 0);
    ranges->setColumnMinimumWidth(4, 16);
    ranges->setColumnStretch(4, 1);
    addRange(ranges, m_neighbour, 0, 5);
    grid->addLayout(ranges, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);

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
}

QWidget* ExtendedFilterPage::addSet(ValueSetCondition ExtendedConditions::*field, const char* key,
                                    const QString& caption, const QStringList& values, int panelWidth, int perLine)
{
    SetRow row{field, new QCheckBox(caption, this), {}};
    row.box->setObjectName(QString::fromLatin1(key) + QStringLiteral("Box"));
    row.box->setFixedHeight(kPanelHeight);
    auto* panels = new QWidget(this);
    auto* lines = new QGridLayout(panels);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setHorizontalSpacing(2);
    lines->setVerticalSpacing(kLineGap);
    for (int v = 0; v < values.size(); ++v) {
        auto* panel =
            new DigitPanel(QString::fromLatin1(key) + QStringLiteral("Panel") + QString::number(v), values[v], panels);
        panel->setFixedSize(panelWidth - 2, kPanelHeight);
        lines->addWidget(panel, v / perLine, v % perLine);
        connect(panel, &DigitPanel::clicked, panel, [panel] { panel->setSelectedColour(!panel->isSelectedColour()); });
        row.panels.push_back(panel);
    }
    m_sets.push_back(std::move(row));
    const size_t index = m_sets.size() - 1;
    connect(m_sets.back().box, &QCheckBox::clicked, this, [this, index] { applyTick(m_sets[index]); });
    applyTick(m_sets.back());
    return panels;
}

QLineEdit* ExtendedFilterPage::addTypedBox(QLineEdit* typed)
{
    SetRow& row = m_sets.back();
    row.typed = typed;
    takeTypedList(row.typed, int(row.panels.size()) - 1);
    const size_t index = m_sets.size() - 1;
    connect(row.typed, &QLineEdit::textEdited, this, [this, index] { showTyped(m_sets[index]); });
    for (DigitPanel* panel : row.panels)
        connect(panel, &DigitPanel::clicked, this, [this, index] { listPanels(m_sets[index]); });
    applyTick(row);
    return typed;
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
