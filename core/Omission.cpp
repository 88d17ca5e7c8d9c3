#include "core/Omission.h"

#include "core/Myfunction.h"

OmissionTable OmissionOf(std::vector<IssueNumber> draws)
{
    OmissionTable table;
    table.omissions.reserve(draws.size());
    DigitCounts running{}; // omission of each digit at the previous draw
    for (const IssueNumber& draw : draws) {
        std::array<bool, 10> hit{};
        for (QChar c : draw.number) {
            const int digit = DigitValue(c);
            hit[digit] = true;
            ++table.occurrences[digit]; // once per position: "112" counts 1 twice
        }
        for (int digit = 0; digit < 10; ++digit) {
            running[digit] = hit[digit] ? 0 : running[digit] + 1;
            table.largest[digit] = std::max(table.largest[digit], running[digit]);
        }
        table.omissions.push_back(running);
    }
    table.draws = std::move(draws);
    return table;
}
