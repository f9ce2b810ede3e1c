#include "MailReading.h"

namespace corvane::receiving {

std::optional<int> previousRow(int row)
{
    if (row >= 2)
        return row - 1;
    return std::nullopt;
}

std::optional<int> nextRow(int row, int rowCount)
{
    if (row >= 1 && row < rowCount - 1)
        return row + 1;
    return std::nullopt;
}

ReadOutcome readSelected(InboxStore &store, const SelectedRow &selected, bool afterRefill)
{
    ReadOutcome outcome;
    if (!selected.dataRow)
        return outcome;
    const std::optional<int> position = selected.position;
    if (!position || *position < 0 || *position >= store.count()) {
        if (!afterRefill)
            outcome.kind = ReadOutcome::Kind::RefillList;
        return outcome;
    }
    outcome.kind = ReadOutcome::Kind::Shown;
    outcome.position = *position;
    outcome.message = store.shownMessage(*position);
    store.markRead(*position);
    return outcome;
}

} // namespace corvane::receiving
