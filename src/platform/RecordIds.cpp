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

void RecordIds::appended(quint64 generation)
{
    if (m_issued && m_generation == generation)
        m_ids.push_back(m_next++);
    else
        m_issued = false; // issued afresh at the next question
}

void RecordIds::removed(int position, quint64 generation)
{
    if (m_issued && m_generation == generation && position >= 0 && size_t(position) < m_ids.size())
        m_ids.erase(m_ids.begin() + position);
    else
        m_issued = false;
}

} // namespace corvane::platform
