#include "core/PositionOmission.h"

#include <array>

namespace {

constexpr int kPositions = 30, kShapes = 3, kSums = 28;
constexpr int kItems = kPositions + kShapes + kSums;

struct Tally
{
    int last = -1; // index of the latest appearance
    int largest = 0;
    int appearances = 0;
};

} // namespace

std::vector<OmissionFigures> positionOmission(const std::vector<short>& numbers)
{
    std::array<Tally, kItems> tallies{};
    const int draws = int(numbers.size());
    for (int i = 0; i < draws; ++i) {
        const int n = numbers[size_t(i)];
        if (n < 0 || n > 999)
            continue;
        const int digits[3] = {n / 100, n / 10 % 10, n % 10};
        const int shape = digits[0] == digits[1] && digits[1] == digits[2]                             ? 0
                          : digits[0] == digits[1] || digits[1] == digits[2] || digits[0] == digits[2] ? 1
                                                                                                       : 2;
        const int hits[5] = {digits[0], 10 + digits[1], 20 + digits[2], kPositions + shape,
                             kPositions + kShapes + digits[0] + digits[1] + digits[2]};
        for (int item : hits) {
            Tally& t = tallies[size_t(item)];
            t.largest = std::max(t.largest, i - t.last - 1);
            t.last = i;
            ++t.appearances;
        }
    }

    static const char* const positions[3] = {"百位", "十位", "个位"};
    static const char* const shapes[3] = {"豹子", "组三", "组六"};
    std::vector<OmissionFigures> rows;
    rows.reserve(kItems);
    for (int item = 0; item < kItems; ++item) {
        const Tally& t = tallies[size_t(item)];
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
        f.current = draws - t.last - 1;
        f.largest = std::max(t.largest, f.current);
        f.appearances = t.appearances;
        if (t.appearances > 0) {
            f.hasAverage = true;
            f.average = double(draws - t.appearances) / t.appearances;
            f.ratio = f.average > 0 ? f.current / f.average : 0;
        }
        rows.push_back(f);
    }
    return rows;
}
