#include "store/DrawEntry.h"

#include "core/DrawEntry.h"
#include "store/DrawStore.h"

EntryOutcome enterDraw(DrawStore& store, const QString& issue, const QString& number)
{
    EntryOutcome outcome;
    outcome.refusal = entryInputProblem(issue, number, store.game());
    if (!outcome.stored())
        return outcome;
    // The check and the insert are one write: an import from another
    // program cannot store the issue between them.
    if (std::optional<DrawRecord> stored = store.appendNew(issue, number))
        outcome.record = std::move(*stored);
    else
        outcome.refusal = EntryText::duplicate(issue);
    return outcome;
}
