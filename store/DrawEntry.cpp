#include "store/DrawEntry.h"

#include "core/DrawEntry.h"
#include "core/IssueArithmetic.h"
#include "store/DrawStore.h"

EntryOutcome enterDraw(DrawStore& store, const QString& issue, const QString& number)
{
    EntryOutcome outcome;
    outcome.refusal = entryInputProblem(issue, number, store.game());
    if (!outcome.stored())
        return outcome;
    if (store.issueExists(issue)) {
        outcome.refusal = EntryText::duplicate(issue);
        return outcome;
    }
    // The previous draw is found by the previous issue, never by position: a
    // first issue of a new run, or one entered out of order, compares with nothing.
    const QString previous = previousIssue(issue);
    const QString previousNumber = previous.isEmpty() ? QString() : store.numberOfIssue(previous);
    outcome.record = deriveDrawRecord(issue, number, previousNumber);
    store.append(outcome.record);
    return outcome;
}
