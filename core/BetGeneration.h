#pragma once

// Bet generation: every combination of the candidate digits of the three
// positions, as bets of one kind, kept when they pass the ticked conditions.

#include "core/BetConditions.h"

#include <QString>
#include <optional>
#include <vector>

// What the window reads for a run, as typed.
struct GenerationInput
{
    QString digits1, digits2, digits3;
    GenerationConditions ranges; // the range conditions; single sums and limit come from the texts below
    bool singleSumsTicked = false;
    QString singleSumsText;
    bool limitTicked = false;
    QString limitText;
};

struct GenerationProblem
{
    enum class Focus
    {
        None,
        Limit,     // Edit9
        SingleSums // Edit11
    };
    QString message;
    Focus focus = Focus::None;
};

// The checks of a run in their order; the first failure, or nothing.
std::optional<GenerationProblem> checkGeneration(const GenerationInput& input);

// The single-sum list: split at every comma, at most 64 entries; an entry
// that is not a decimal number holds no sum.
std::vector<int> parseSingleSums(const QString& text);

// The limit of a limit text; nullopt when it is not a number (the run then
// takes 0 and shows "0").
std::optional<int> parseLimit(const QString& text);

struct GenerationResult
{
    BetList bets;
    int combinations = 0; // direct combinations of the chosen digits
    bool complete = true; // false when the limit ended the run early
};

// The bets the chosen digits give for `kind`, in the order of the digit
// texts, before any condition: a group bet once, at its first combination.
std::vector<int> candidateBets(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind);

// Enumerates in the order of the digit texts; `latestNumber` is the latest
// stored draw (empty when none) for the same-number count.
GenerationResult generateBets(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                              const GenerationConditions& conditions, const QString& latestNumber);
