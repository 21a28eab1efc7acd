// Reading the lists of script files a server loads.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

enum class LoadListFormat {
    Athena,     // "npc: <path>", "delnpc: <path>", "import: <list file>" (eAthena, rAthena)
    Hercules,   // quoted paths in "npc_global_list: ( ... )", "@include "<list file>""
    Guess,      // Hercules when the text has "npc_global_list" or "@include", else Athena
};

// One line's meaning in a list file.
struct LoadListEntry
{
    enum Kind { Add, Remove, RemoveAll, Include };
    Kind kind = Add;
    QString path;
    int line = 0;       // 1-based
};

// The entries of a list file's text, in order.
std::vector<LoadListEntry> ParseLoadList(std::string_view text, LoadListFormat format);

struct LoadList
{
    QStringList files;      // to load, in load order, each once
    QStringList missing;    // listed but not found, each once
    QStringList errors;     // list files that could not be read: "path: why"
};

// Reads the list file at path and the lists it includes. Paths are taken relative to base (the
// current folder, as the server takes them) unless absolute.
LoadList ReadLoadList(const QString &path, LoadListFormat format = LoadListFormat::Guess,
                      const QString &base = QString());
