// ScriptIndex: what a set of script files defines, for the checks that look beyond one file.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script_model.h"

class ScriptIndex
{
public:
    using Files = std::map<std::string, std::shared_ptr<const ScriptModel>>;

    // Where a name is defined.
    struct Place
    {
        const Files::value_type *file = nullptr; // the index's own entry: its path and model, not one per name
        const ScriptBlock *block = nullptr;     // held by the file's model, which the index keeps

        std::string_view path() const { return file->first; }
        const ScriptModel &model() const { return *file->second; }
    };

    // The places of one name, in the order the index lists them.
    struct Places
    {
        const Place *first = nullptr;
        const Place *last = nullptr;

        size_t count() const { return size_t(last - first); }
        const Place *begin() const { return first; }
        const Place *end() const { return last; }
    };

    // ignoreCase: labels are compared as the profile compares them.
    explicit ScriptIndex(bool ignoreCase = true);
    // A copy holds the same files and builds its own look-up tables: the original's point into
    // the original.
    ScriptIndex(const ScriptIndex &other);
    ScriptIndex &operator=(const ScriptIndex &other);

    // Adds the model of the file at path, or replaces the one it had.
    void add(const std::string &path, std::shared_ptr<const ScriptModel> model);
    void removeFile(const std::string &path);
    void clear();

    const ScriptModel *model(const std::string &path) const;
    // Every file's model, in path order.
    const Files &files() const { return m_files; }
    size_t fileCount() const { return m_files.size(); }

    // The files defining a global function (a "function<TAB>script" header), first in path order.
    const Places *globalFunction(std::string_view name) const;
    // The NPCs with a unique name, in path and line order.
    const Places *npc(std::string_view uniqueName) const;
    // Whether some NPC of that unique name has label.
    bool npcHasLabel(std::string_view uniqueName, std::string_view label) const;

    // Builds the look-up tables now; call before reading from several threads at once.
    void prepare() const { rebuild(); }

private:
    // Names and their places: the places in one list, grouped by name in the order added, and
    // the names found through an open-addressed table. A large script holds hundreds of thousands
    // of NPC names; a list and a table node for each cost more than reading the script did.
    class NameTable
    {
    public:
        // visit(add) calls add(name, place) for every place, the same way each time it is called.
        template <typename Visit>
        void fill(Visit visit);
        const Places *placesOf(std::string_view name) const;

    private:
        // The slot that holds name, of that hash, or the empty one where it would go.
        uint32_t slotOf(std::string_view name, uint32_t hash) const;

        std::vector<Place> m_places;
        std::vector<std::string_view> m_names;  // a group's name
        std::vector<Places> m_groups;
        // A group's name's hash above its index + 1, or 0 for none: a slot of another name is
        // passed by its hash, without reading the name, which lies elsewhere in memory.
        std::vector<uint64_t> m_slots;
        uint32_t m_mask = 0;
    };

    void rebuild() const;
    bool hasLabel(std::string_view uniqueName, std::string_view label, int depth) const;

    bool m_ignoreCase;
    Files m_files;      // by path, sorted
    // Built on first use after a change. The names are views into the blocks of the models in
    // m_files, so that looking one up takes no copy of it; a change empties them first.
    mutable bool m_stale = false;
    mutable NameTable m_functions;
    mutable NameTable m_npcs;
};
