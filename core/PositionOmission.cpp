#include "core/PositionOmission.h"

#include <array>

namespace {

constexpr int kPositions = 30, kShapes = 3;

// The five items a readable number brings: its three digits, its shape, its sum.
template <class Hit> void itemsOf(short n, Hit hit)
{
    const int digits[3] = {n / 100, n / 10 % 10, n % 10};
    const int shape = digits[0] == digits[1] && digits[1] == digits[2]                             ? 0
                      : digits[0] == digits[1] || digits[1] == digits[2] || digits[0] == digits[2] ? 1
                                                                                                   : 2;
    for (int item : {digits[0], 10 + digits[1], 20 + digits[2], kPositions + shape,
                     kPositions + kShapes + digits[0] + digits[1] + digits[2]})
        hit(item);
}

} // namespace

PositionOmissionBefore positionOmissionBefore(const std::vector<short>& newestFirst)
{
    return countBack<kPositionOmissionItems>(newestFirst, [](short n, auto hit) { itemsOf(n, hit); });
}

std::vector<OmissionFigures> positionOmission(const std::vector<short>& numbers,
                                              const PositionOmissionBefore::Omission& before)
{
    std::array<OmissionRun, kPositionOmissionItems> runs{};
    std::array<int, kPositionOmissionItems> counted{}; // draws each run has been told of
    for (size_t item = 0; item < runs.size(); ++item)
        runs[item].current = before[item];
    const int draws = int(numbers.size());
    // Each draw brings five items: the others' misses are told at their next appearance.
    for (int i = 0; i < draws; ++i) {
        const short n = numbers[size_t(i)];
        if (n < 0 || n > 999)
            continue;
        itemsOf(n, [&](int item) {
            runs[size_t(item)].missed(i - counted[size_t(item)]);
            runs[size_t(item)].next(true);
            counted[size_t(item)] = i + 1;
        });
    }
    for (size_t item = 0; item < runs.size(); ++item)
        runs[item].missed(draws - counted[item]);

    static const char* const positions[3] = {"百位", "十位", "个位"};
    static const char* const shapes[3] = {"豹子", "组三", "组六"};
    std::vector<OmissionFigures> rows;
    rows.reserve(kPositionOmissionItems);
    for (int item = 0; item < kPositionOmissionItems; ++item) {
        const OmissionRun& run = runs[size_t(item)];
        OmissionFigures f;
        if (item < kPositions) {
            f.group = QString::fromUtf8(positions[item / 10]);
            f.item = QString::number(item % 10);
        } else if (item < kPositions + kShapes) {
            f.group = QStringLiteral("形态");
            f.item = QString::fromUtf8(shapes[item - kPositions]);
        } else {
            f.group = QStringLiteral("和值");
            f.item = QString::number(item - kPositions - kShapes);
        }
        f.current = run.current;
        f.largest = run.largest;
        f.appearances = run.appearances;
        f.average = averageOmission(draws, run.appearances);
        f.ratio = f.average > 0 ? f.current / f.average : 0;
        rows.push_back(f);
    }
    return rows;
}
