// ScriptNames: where a model's label and jump names are kept.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

// The names of a model's labels and jumps, written one after another into pieces that never move,
// so that the items view them in place. A large script holds a million of them: a string each
// would be half their memory and a copy each.
class ScriptNames
{
public:
    // A lasting copy of name.
    std::string_view add(std::string_view name)
    {
        if (name.size() > m_left)
            grow(name.size());
        char *at = m_free;
        name.copy(at, name.size());
        m_free += name.size();
        m_left -= name.size();
        return {at, name.size()};
    }

    // Room for at least bytes of names in one piece, taken now: where it starts and its size.
    std::pair<char *, size_t> reserve(size_t bytes)
    {
        grow(bytes);
        return {m_free, m_left};
    }

private:
    void grow(size_t atLeast);

    std::vector<std::unique_ptr<char[]>> m_pieces;
    size_t m_pieceSize = 0;
    char *m_free = nullptr;
    size_t m_left = 0;
};
