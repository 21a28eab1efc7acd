// ScriptIndex: what a set of script files defines, for the checks that look beyond one file.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "script_model.h"

class ScriptIndex
{
public:
    // Where a name is defined.
    struct Place
    {
        std::string_view path;                  // the index's own copy of the path, not one per name
        const ScriptBlock *block = nullptr;     // held by the file's model, which the index keeps
    };

    // ignoreCase: labels are compared as the profile compares them.
    explicit ScriptIndex(bool ignoreCase = true);

    // Adds the model of the file at path, or replaces the one it had.
    void add(const std::string &path, std::shared_ptr<const ScriptModel> model);
    void remove(const std::string &path);
    void clear();

    using Files = std::map<std::string, std::shared_ptr<const ScriptModel>>;

    const ScriptModel *model(const std::string &path) const;
    // Every file's model, in path order.
    const Files &files() const { return m_files; }
    size_t fileCount() const { return m_files.size(); }

    // The files defining a global function (a "function<TAB>script" header), first in path order.
    const std::vector<Place> *globalFunction(std::string_view name) const;
    // The NPCs with a unique name, in path and line order.
    const std::vector<Place> *npc(std::string_view uniqueName) const;
    // Whether some NPC of that unique name has label.
    bool npcHasLabel(std::string_view uniqueName, std::string_view label) const;

    // Builds the look-up tables now; call before reading from several threads at once.
    void prepare() const { rebuild(); }

private:
    void rebuild() const;
    bool hasLabel(std::string_view uniqueName, std::string_view label, int depth) const;

    bool m_ignoreCase;
    Files m_files;      // by path, sorted
    // Built on first use after a change. The names are views into the blocks of the models in
    // m_files, so that looking one up takes no copy of it; a change empties them first.
    mutable bool m_stale = false;
    mutable std::unordered_map<std::string_view, std::vector<Place>> m_functions;
    mutable std::unordered_map<std::string_view, std::vector<Place>> m_npcs;
};
