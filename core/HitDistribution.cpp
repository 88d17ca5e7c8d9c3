#include "core/HitDistribution.h"

#include <algorithm>
#include <cmath>

namespace {

// P(H = first + k) for the draws merged so far.
struct Piece
{
    std::int64_t first = 0;
    std::vector<double> terms;
};

void trim(Piece& piece)
{
    auto& t = piece.terms;
    const auto largest = std::max_element(t.begin(), t.end());
    auto begin = t.begin(), end = t.end();
    while (begin < largest && *begin < HitDistribution::kNegligible)
        ++begin;
    while (end - 1 > largest && *(end - 1) < HitDistribution::kNegligible)
        --end;
    piece.first += begin - t.begin();
    t.erase(end, t.end());
    t.erase(t.begin(), begin);
}

// `n` draws each hit with chance `p` (0 < p < 1): walked out from the mode,
// where the term is largest, until the terms become negligible.
Piece binomial(std::int64_t n, double p)
{
    const auto mode = std::clamp<std::int64_t>(std::int64_t(std::floor(double(n + 1) * p)), 0, n);
    const double top = std::exp(std::lgamma(double(n) + 1) - std::lgamma(double(mode) + 1) -
                                std::lgamma(double(n - mode) + 1) + double(mode) * std::log(p) +
                                double(n - mode) * std::log1p(-p));
    const double odds = p / (1 - p);
    std::vector<double> below; // mode - 1, mode - 2, ...
    double t = top;
    for (std::int64_t k = mode; k > 0 && t >= HitDistribution::kNegligible; --k) {
        t *= double(k) / (double(n - k + 1) * odds);
        below.push_back(t);
    }
    Piece piece;
    piece.first = mode - std::int64_t(below.size());
    piece.terms.assign(below.rbegin(), below.rend());
    piece.terms.push_back(top);
    t = top;
    for (std::int64_t k = mode; k < n && t >= HitDistribution::kNegligible; ++k) {
        t *= double(n - k) / double(k + 1) * odds;
        piece.terms.push_back(t);
    }
    trim(piece);
    return piece;
}

Piece convolve(const Piece& a, const Piece& b)
{
    Piece sum;
    sum.first = a.first + b.first;
    sum.terms.assign(a.terms.size() + b.terms.size() - 1, 0.0);
    for (size_t i = 0; i < a.terms.size(); ++i) {
        const double x = a.terms[i];
        double* out = sum.terms.data() + i;
        for (size_t j = 0; j < b.terms.size(); ++j)
            out[j] += x * b.terms[j];
    }
    trim(sum);
    return sum;
}

} // namespace

HitDistribution HitDistribution::ofCoverage(const std::vector<std::int64_t>& drawsCovering)
{
    HitDistribution d;
    std::int64_t certain = 0;
    std::vector<Piece> pieces;
    for (size_t c = 0; c < drawsCovering.size() && c <= 1000; ++c) {
        const std::int64_t n = drawsCovering[c];
        if (n <= 0)
            continue;
        const double p = double(c) / 1000;
        d.m_draws += n;
        d.m_mean += double(n) * p;
        d.m_variance += double(n) * p * (1 - p);
        if (c == 1000)
            certain += n;
        else if (c > 0)
            pieces.push_back(binomial(n, p));
    }
    // Merged in pairs, so each product is of pieces of like width.
    while (pieces.size() > 1) {
        std::vector<Piece> merged;
        for (size_t i = 0; i + 1 < pieces.size(); i += 2)
            merged.push_back(convolve(pieces[i], pieces[i + 1]));
        if (pieces.size() % 2)
            merged.push_back(std::move(pieces.back()));
        pieces = std::move(merged);
    }
    if (!pieces.empty()) {
        d.m_first = pieces.front().first;
        d.m_terms = std::move(pieces.front().terms);
    }
    d.m_first += certain;

    double total = 0;
    for (double t : d.m_terms)
        total += t;
    for (double& t : d.m_terms)
        t /= total;
    const size_t size = d.m_terms.size();
    d.m_below.assign(size, 0.0);
    d.m_above.assign(size, 0.0);
    for (size_t k = 1; k < size; ++k)
        d.m_below[k] = d.m_below[k - 1] + d.m_terms[k - 1];
    for (size_t k = size - 1; k-- > 0;)
        d.m_above[k] = d.m_above[k + 1] + d.m_terms[k + 1];
    return d;
}

double HitDistribution::probability(std::int64_t hits) const
{
    return hits < m_first || hits > lastKept() ? 0 : m_terms[size_t(hits - m_first)];
}

double HitDistribution::atLeast(std::int64_t hits) const
{
    if (hits <= m_first)
        return 1;
    if (hits > lastKept())
        return 0;
    const auto k = size_t(hits - m_first);
    return std::min(1.0, m_terms[k] + m_above[k]);
}

double HitDistribution::atMost(std::int64_t hits) const
{
    if (hits >= lastKept())
        return 1;
    if (hits < m_first)
        return 0;
    const auto k = size_t(hits - m_first);
    return std::min(1.0, m_below[k] + m_terms[k]);
}

std::int64_t HitDistribution::quantile(double share) const
{
    for (size_t k = 0; k < m_terms.size(); ++k)
        if (m_below[k] + m_terms[k] >= share)
            return m_first + std::int64_t(k);
    return lastKept();
}
