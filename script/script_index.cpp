// The cross-file index: global functions and NPC unique names of a set of files.
#include "script_index.h"

#include <algorithm>

namespace {

bool sameLabel(std::string_view a, std::string_view b, bool ignoreCase)
{
    if (a.size() != b.size())
        return false;
    if (!ignoreCase)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

ScriptIndex::ScriptIndex(bool ignoreCase)
    : m_ignoreCase(ignoreCase)
{
}

void ScriptIndex::add(const std::string &path, std::shared_ptr<const ScriptModel> model)
{
    // The tables may name blocks of the model replaced here: stale, they are rebuilt before any
    // look-up reads them.
    m_files[path] = std::move(model);
    m_stale = true;
}

void ScriptIndex::remove(const std::string &path)
{
    m_files.erase(path);
    m_stale = true;
}

void ScriptIndex::clear()
{
    m_files.clear();
    m_stale = true;
}

const ScriptModel *ScriptIndex::model(const std::string &path) const
{
    const auto it = m_files.find(path);
    return it == m_files.end() ? nullptr : it->second.get();
}

void ScriptIndex::rebuild() const
{
    if (!m_stale)
        return;
    m_functions.clear();
    m_npcs.clear();
    size_t blocks = 0;
    for (const auto &file : m_files)
        blocks += file.second ? file.second->blocks.size() : 0;
    m_npcs.reserve(blocks);
    // Files in path order, blocks in text order: the first place of a name is the first listed.
    for (const auto &[path, model] : m_files) {
        if (!model)
            continue;
        for (const ScriptBlock &block : model->blocks) {
            if (block.kind == BlockKind::Function)
                m_functions[block.name].push_back({path, &block});
            else if (block.kind != BlockKind::Monster && block.kind != BlockKind::MapFlag && !block.uniqueName.empty())
                m_npcs[block.uniqueName].push_back({path, &block});
        }
    }
    m_stale = false;
}

const std::vector<ScriptIndex::Place> *ScriptIndex::globalFunction(std::string_view name) const
{
    rebuild();
    const auto it = m_functions.find(name);
    return it == m_functions.end() ? nullptr : &it->second;
}

const std::vector<ScriptIndex::Place> *ScriptIndex::npc(std::string_view uniqueName) const
{
    rebuild();
    const auto it = m_npcs.find(uniqueName);
    return it == m_npcs.end() ? nullptr : &it->second;
}

bool ScriptIndex::npcHasLabel(std::string_view uniqueName, std::string_view label) const
{
    return hasLabel(uniqueName, label, 0);
}

bool ScriptIndex::hasLabel(std::string_view uniqueName, std::string_view label, int depth) const
{
    const std::vector<Place> *places = npc(uniqueName);
    if (!places)
        return false;
    for (const Place &place : *places) {
        for (const ScriptLabel &own : place.block->labels)
            if (sameLabel(own.name, label, m_ignoreCase))
                return true;
        // A duplicate has the labels of its source.
        if (place.block->kind == BlockKind::Duplicate && !place.block->source.empty()
            && depth < 8 && hasLabel(place.block->source, label, depth + 1))
            return true;
    }
    return false;
}
