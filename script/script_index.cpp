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

uint32_t hashOf(std::string_view name)
{
    return uint32_t(std::hash<std::string_view>()(name));
}

} // namespace

ScriptIndex::ScriptIndex(bool ignoreCase)
    : m_ignoreCase(ignoreCase)
{
}

ScriptIndex::ScriptIndex(const ScriptIndex &other)
    : m_ignoreCase(other.m_ignoreCase)
    , m_files(other.m_files)
    , m_stale(true)
{
}

ScriptIndex &ScriptIndex::operator=(const ScriptIndex &other)
{
    m_ignoreCase = other.m_ignoreCase;
    m_files = other.m_files;
    m_stale = true;
    return *this;
}

void ScriptIndex::add(const std::string &path, std::shared_ptr<const ScriptModel> model)
{
    // The tables may name blocks of the model replaced here: stale, they are rebuilt before any
    // look-up reads them.
    m_files[path] = std::move(model);
    m_stale = true;
}

void ScriptIndex::removeFile(const std::string &path)
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

template <typename Visit>
void ScriptIndex::NameTable::fill(Visit visit)
{
    m_places.clear();
    m_names.clear();
    m_groups.clear();
    // First the places' count, then each one's group, then the places in their groups' order.
    size_t count = 0;
    visit([&count](std::string_view, const Place &) { ++count; });
    uint32_t size = 16;
    while (size < count * 2)
        size *= 2;
    m_slots.assign(size, 0);
    m_mask = size - 1;
    std::vector<uint32_t> groups(count);
    std::vector<uint32_t> counts;
    size_t at = 0;
    visit([this, &groups, &counts, &at](std::string_view name, const Place &) {
        const uint32_t hash = hashOf(name);
        const uint32_t slot = slotOf(name, hash);
        if (m_slots[slot] == 0) {
            m_names.push_back(name);
            m_slots[slot] = uint64_t(hash) << 32 | uint32_t(m_names.size());
            counts.push_back(0);
        }
        const uint32_t group = uint32_t(m_slots[slot]) - 1;
        ++counts[group];
        groups[at++] = group;
    });
    std::vector<uint32_t> filled(counts.size());
    for (size_t group = 1; group < counts.size(); ++group)
        filled[group] = filled[group - 1] + counts[group - 1];
    m_places.resize(count);
    at = 0;
    visit([this, &groups, &filled, &at](std::string_view, const Place &place) {
        m_places[filled[groups[at++]]++] = place;
    });
    // Each group's end is where filling it stopped.
    m_groups.resize(counts.size());
    for (size_t group = 0; group < counts.size(); ++group)
        m_groups[group] = {m_places.data() + (filled[group] - counts[group]), m_places.data() + filled[group]};
}

uint32_t ScriptIndex::NameTable::slotOf(std::string_view name, uint32_t hash) const
{
    uint32_t at = hash & m_mask;
    while (m_slots[at] != 0 && (uint32_t(m_slots[at] >> 32) != hash || m_names[uint32_t(m_slots[at]) - 1] != name))
        at = (at + 1) & m_mask;
    return at;
}

const ScriptIndex::Places *ScriptIndex::NameTable::placesOf(std::string_view name) const
{
    if (m_slots.empty())
        return nullptr;
    const uint64_t slot = m_slots[slotOf(name, hashOf(name))];
    return slot == 0 ? nullptr : &m_groups[uint32_t(slot) - 1];
}

void ScriptIndex::rebuild() const
{
    if (!m_stale)
        return;
    // Files in path order, blocks in text order: the first place of a name is the first listed.
    const auto blocksWhere = [this](auto wanted) {
        return [this, wanted](auto add) {
            for (const Files::value_type &file : m_files) {
                if (!file.second)
                    continue;
                for (const ScriptBlock &block : file.second->blocks)
                    if (wanted(block))
                        add(wanted.nameOf(block), Place{&file, &block});
            }
        };
    };
    struct Functions
    {
        bool operator()(const ScriptBlock &block) const { return block.kind == BlockKind::Function; }
        std::string_view nameOf(const ScriptBlock &block) const { return block.name; }
    };
    struct Npcs
    {
        bool operator()(const ScriptBlock &block) const { return block.namesNpc(); }
        std::string_view nameOf(const ScriptBlock &block) const { return block.uniqueName(); }
    };
    m_functions.fill(blocksWhere(Functions()));
    m_npcs.fill(blocksWhere(Npcs()));
    m_stale = false;
}

const ScriptIndex::Places *ScriptIndex::globalFunction(std::string_view name) const
{
    rebuild();
    return m_functions.placesOf(name);
}

const ScriptIndex::Places *ScriptIndex::npc(std::string_view uniqueName) const
{
    rebuild();
    return m_npcs.placesOf(uniqueName);
}

bool ScriptIndex::npcHasLabel(std::string_view uniqueName, std::string_view label) const
{
    return hasLabel(uniqueName, label, 0);
}

bool ScriptIndex::hasLabel(std::string_view uniqueName, std::string_view label, int depth) const
{
    const Places *places = npc(uniqueName);
    if (!places)
        return false;
    for (const Place &place : *places) {
        const ScriptModel &model = place.model();
        for (const ScriptLabel &own : model.labelsOf(*place.block))
            if (sameLabel(own.name, label, m_ignoreCase))
                return true;
        // A duplicate has the labels of its source.
        const std::string_view source = model.sourceOf(*place.block);
        if (place.block->kind == BlockKind::Duplicate && !source.empty() && depth < 8
            && hasLabel(source, label, depth + 1))
            return true;
    }
    return false;
}
