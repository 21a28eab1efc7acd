#include "script_names.h"

#include <algorithm>

void ScriptNames::grow(size_t atLeast)
{
    // Pieces double from a small first one: a small script takes little, a large one few pieces.
    const size_t last = m_pieces.empty() ? 0 : m_pieceSize;
    m_pieceSize = std::max(atLeast, std::min<size_t>(std::max<size_t>(last * 2, 1024), 1 << 20));
    m_pieces.emplace_back(new char[m_pieceSize]);   // written before it is read: no need to clear it
    m_free = m_pieces.back().get();
    m_left = m_pieceSize;
}
