#include "core/Statistics.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>

std::vector<RepeatedDraw> RepeatedNumbers(const std::vector<IssueNumber>& draws)
{
    // Positions of each number's draws, in issue order.
    QHash<QString, std::vector<int>> byNumber;
    for (int i = 0; i < int(draws.size()); ++i)
        byNumber[draws[i].number].push_back(i);

    std::vector<std::pair<QString, const std::vector<int>*>> repeated;
    for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it)
        if (it.value().size() > 1)
            repeated.emplace_back(it.key(), &it.value());
    std::sort(repeated.begin(), repeated.end(), [](const auto& a, const auto& b) {
        return a.second->size() != b.second->size() ? a.second->size() < b.second->size() : a.first < b.first;
    });

    std::vector<RepeatedDraw> rows;
    for (const auto& [number, positions] : repeated)
        for (int i : *positions)
            rows.push_back({draws[i].qs, number, int(positions->size())});
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

const QStringList& AllNumbers()
{
    static const QStringList numbers = [] {
        QStringList list;
        for (int n = 0; n < 1000; ++n)
            list << QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        return list;
    }();
    return numbers;
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

QString PercentOfTotal(double count, double total)
{
    const double percent = total > 0 ? 100.0 * count / total : 0.0;
    // Up to two decimals, no trailing zeros.
    return QString::number(std::round(percent * 100.0) / 100.0, 'g', 15) + QStringLiteral(" %");
}
