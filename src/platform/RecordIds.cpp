#include "RecordIds.h"

#include <algorithm>

namespace corvane::platform {

void RecordIds::keepInStep(int count, quint64 generation)
{
    if (m_issued && m_generation == generation && m_ids.size() == size_t(std::max(count, 0)))
        return;
    m_ids.clear();
    for (int i = 0; i < count; ++i)
        m_ids.push_back(m_next++);
    m_generation = generation;
    m_issued = true;
}

std::optional<RecordId> RecordIds::at(int position, int count, quint64 generation)
{
    keepInStep(count, generation);
    if (position < 0 || size_t(position) >= m_ids.size())
        return std::nullopt;
    return m_ids[size_t(position)];
}

std::optional<int> RecordIds::positionOf(RecordId id, int count, quint64 generation)
{
    keepInStep(count, generation);
    const auto found = std::find(m_ids.begin(), m_ids.end(), id);
    if (found == m_ids.end())
        return std::nullopt;
    return int(found - m_ids.begin());
}

const std::vector<RecordId> &RecordIds::all(int count, quint64 generation)
{
    keepInStep(count, generation);
    return m_ids;
}

void RecordIds::appended(int count, quint64 generation)
{
    if (m_issued && m_generation == generation && m_ids.size() + 1 == size_t(count))
        m_ids.push_back(m_next++);
    else
        keepInStep(count, generation);
}

void RecordIds::removed(int position, int count, quint64 generation)
{
    if (m_issued && m_generation == generation && m_ids.size() == size_t(count) + 1 && position >= 0
        && size_t(position) < m_ids.size())
        m_ids.erase(m_ids.begin() + position);
    else
        keepInStep(count, generation);
}

} // namespace corvane::platform
