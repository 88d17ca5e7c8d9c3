#pragma once

// The draws of a range held against a fair draw, where every number 000-999
// is equally likely and independent of the draws before it: the digits of
// each position, the sums, the shapes, the positions repeating the previous
// draw, and the longest absence of every digit at every position.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Fewer draws than this are counted but not tested.
constexpr int kLeastTestedDraws = 30;
// A p-value below this is reported as a departure from chance.
constexpr double kDepartureLevel = 0.01;

struct RandomnessRow
{
    QString test;       // "百位 0-9", "和值", "形态", "同号数", "百位 7 最长遗漏"
    QString observed;   // counts as shown ("0:12 1:9 ...", "58 期")
    QString expected;   // what a fair draw gives on average (for runs: the median longest run)
    bool isRun = false; // a longest-absence row: no statistic, the p-value is the run's chance
    bool tested = false;
    double statistic = 0; // χ²
    int degrees = 0;
    double pValue = 1;
};

struct RandomnessReport
{
    int draws = 0; // readable draws in the range
    bool enough() const { return draws >= kLeastTestedDraws; }
    std::array<std::array<int, 10>, 3> digitCounts{}; // [position][digit]
    std::array<int, 28> sumCounts{};
    std::vector<RandomnessRow> rows; // 6 distribution rows, then 30 runs (百位 0-9, 十位, 个位)
};

namespace RandomnessText {
extern const QString kFits;      // "与随机相符"
extern const QString kDeparts;   // "偏离随机"
extern const QString kManyTests; // the note below the table
QString tooShort(int draws);     // the range holds too few draws to test
QString drawsTested(int draws);
QString verdict(const RandomnessRow& row); // empty when not tested
QString statistic(const RandomnessRow& row);
QString degrees(const RandomnessRow& row);
QString pValue(const RandomnessRow& row);
const QStringList& columnTitles();
QStringList rowTexts(const RandomnessRow& row); // in the order of columnTitles()
} // namespace RandomnessText

// The number of the 1000 numbers whose digits sum to `sum` (0-27).
int waysOfSum(int sum);

// `numbers` are the draws in issue order as values 0-999 (position 1 is the
// hundreds digit); a negative value is an unreadable draw and is left out,
// its neighbours counting as consecutive.
RandomnessReport checkRandomness(const std::vector<short>& numbers);
