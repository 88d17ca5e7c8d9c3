#include "tests/reference/ReferenceStatistics.h"

#include <QHash>
#include <algorithm>
#include <map>

std::vector<RepeatedDraw> RepeatedNumbers(const std::vector<IssueNumber>& draws)
{
    // Positions of each number's draws, in issue order. Numbers of the form
    // "000".."999" go by value, which spares hashing a million texts.
    std::vector<std::vector<int>> groups(1000);
    QHash<QString, int> otherGroups;
    for (int i = 0; i < int(draws.size()); ++i) {
        const QString& number = draws[i].number;
        bool ok = false;
        const int value = number.size() == 3 ? number.toInt(&ok) : -1;
        int group = ok && value >= 0 && AllNumbers()[value] == number ? value : -1;
        if (group < 0) {
            group = otherGroups.value(number, int(groups.size()));
            if (group == int(groups.size())) {
                otherGroups.insert(number, group);
                groups.emplace_back();
            }
        }
        groups[group].push_back(i);
    }

    std::vector<const std::vector<int>*> repeated;
    for (const auto& group : groups)
        if (group.size() > 1)
            repeated.push_back(&group);
    const auto numberOf = [&draws](const std::vector<int>* group) -> const QString& {
        return draws[group->front()].number;
    };
    std::sort(repeated.begin(), repeated.end(), [&](const auto* a, const auto* b) {
        return a->size() != b->size() ? a->size() < b->size() : numberOf(a) < numberOf(b);
    });

    std::vector<RepeatedDraw> rows;
    rows.reserve(draws.size());
    for (const std::vector<int>* group : repeated)
        for (int i : *group)
            rows.push_back({draws[i].qs, draws[i].number, int(group->size())});
    return rows;
}

std::vector<int> SumsNeverDrawn(const std::vector<int>& drawnSums)
{
    std::array<bool, kLargestSum + 1> drawn{};
    for (int sum : drawnSums)
        if (sum >= 0 && sum <= kLargestSum)
            drawn[sum] = true;
    std::vector<int> missing;
    for (int sum = 0; sum <= kLargestSum; ++sum)
        if (!drawn[sum])
            missing.push_back(sum);
    return missing;
}

QStringList NumbersNeverDrawn(const QStringList& drawnNumbers)
{
    std::array<bool, 1000> drawn{};
    for (const QString& number : drawnNumbers) {
        bool ok = false;
        const int value = number.toInt(&ok);
        // Only a stored text of the form "000".."999" names a candidate.
        if (ok && number.size() == 3 && value >= 0 && value < 1000 && AllNumbers()[value] == number)
            drawn[value] = true;
    }
    QStringList missing;
    for (int n = 0; n < 1000; ++n)
        if (!drawn[n])
            missing << AllNumbers()[n];
    return missing;
}

std::vector<ValueCount> EveryValue(const std::vector<ValueCount>& rows, int low, int high)
{
    std::vector<ValueCount> every;
    for (int value = low; value <= high; ++value)
        every.push_back({value, 0});
    for (const ValueCount& row : rows)
        if (row.value >= low && row.value <= high)
            every[size_t(row.value - low)].count += row.count;
    return every;
}

std::vector<ValueCount> CountValues(const std::vector<int>& values)
{
    std::map<int, int> counts;
    for (int value : values)
        ++counts[value];
    std::vector<ValueCount> rows;
    for (auto [value, count] : counts)
        rows.push_back({value, count});
    return rows;
}

void AddDigitDraw(std::array<int, 10>& counts, const QString& number)
{
    std::array<bool, 10> held{};
    for (QChar c : number)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            held[c.unicode() - '0'] = true;
    for (int digit = 0; digit < 10; ++digit)
        counts[digit] += held[digit] ? 1 : 0;
}
