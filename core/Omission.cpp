#include "core/Omission.h"

#include "core/Myfunction.h"

DigitOmissionBefore digitOmissionBefore(const std::vector<short>& newestFirst)
{
    return countBack<10>(newestFirst, [](short number, auto hit) {
        hit(number / 100);
        hit(number / 10 % 10);
        hit(number % 10);
    });
}

OmissionTable OmissionOf(std::vector<IssueNumber> draws, const DigitCounts& before)
{
    OmissionTable table;
    table.omissions.reserve(draws.size());
    std::array<OmissionRun, 10> runs{};
    for (int digit = 0; digit < 10; ++digit)
        runs[digit].current = before[digit];
    for (const IssueNumber& draw : draws) {
        std::array<bool, 10> hit{};
        for (QChar c : draw.number) {
            const int digit = DigitValue(c);
            hit[digit] = true;
            ++table.occurrences[digit]; // once per position: "112" counts 1 twice
        }
        DigitCounts row;
        for (int digit = 0; digit < 10; ++digit) {
            runs[digit].next(hit[digit]);
            row[digit] = runs[digit].current;
        }
        table.omissions.push_back(row);
    }
    for (int digit = 0; digit < 10; ++digit) {
        table.largest[digit] = runs[digit].largest;
        table.average[digit] = wholeAverageOmission(int(draws.size()), runs[digit].appearances);
    }
    table.draws = std::move(draws);
    return table;
}
