#pragma once

// How many draws pure chance hits when draw i is hit with its own chance p_i,
// independently: the Poisson-binomial distribution, exact (no normal
// approximation), kept only where a probability is above kNegligible.

#include <cstdint>
#include <vector>

class HitDistribution
{
public:
    // Terms below this are dropped at the ends: together they weigh less
    // than any p值 the windows tell apart from 0.
    static constexpr double kNegligible = 1e-30;

    // `drawsCovering[c]`: how many draws had bets winning on c of the 1000
    // numbers (c = 0..1000), each hit by chance c / 1000.
    static HitDistribution ofCoverage(const std::vector<std::int64_t>& drawsCovering);

    std::int64_t draws() const { return m_draws; }
    double mean() const { return m_mean; }
    double variance() const { return m_variance; }
    double probability(std::int64_t hits) const; // P(H = hits)
    double atLeast(std::int64_t hits) const;     // P(H ≥ hits)
    double atMost(std::int64_t hits) const;      // P(H ≤ hits)
    // The least h with P(H ≤ h) ≥ share.
    std::int64_t quantile(double share) const;
    // The hits the kept terms cover: every h outside has a negligible chance.
    std::int64_t firstKept() const { return m_first; }
    std::int64_t lastKept() const { return m_first + std::int64_t(m_terms.size()) - 1; }

private:
    std::int64_t m_draws = 0;
    double m_mean = 0, m_variance = 0;
    std::int64_t m_first = 0;       // the hits of m_terms[0]
    std::vector<double> m_terms{1}; // P(H = m_first + k)
    std::vector<double> m_below;    // P(H < m_first + k), summed from the low end
    std::vector<double> m_above;    // P(H > m_first + k), summed from the high end
};
