// Reading and writing INI files in the private-profile format, keeping the file's own lines.
#pragma once

#include <QList>
#include <QString>

// Longest value ReadIni gives back; longer values are cut.
inline constexpr int IniValueLimit = 59999;

// The value of key in section (names compared without regard to case; blanks around "=" and the
// value trimmed; matching quotes removed; the first matching key wins), or defaultValue when the
// file, section or key is missing.
QString ReadIni(const QString &section, const QString &key, const QString &defaultValue,
                const QString &file);

struct IniEntry
{
    QString key;
    QString value;
};

// Every key line of section in file order, key and value read as ReadIni reads them, so where a
// key occurs twice the first one is what ReadIni gives. Empty when the file or section is
// missing. One reading of the file for lists too long to read key by key.
QList<IniEntry> ReadIniSection(const QString &section, const QString &file);

// Creates or replaces key in section, creating the file and section when missing (never the
// folder). Every other line stays as it was, byte for byte, and the file keeps its encoding
// (UTF-8 with or without a byte-order mark, or Windows-1252 until a value needs UTF-8).
// Written atomically. Returns false on failure, and writes nothing for an entry that would break
// the file or not read back: a CR or LF in section, key or value; an empty section or key; blanks
// around either; a section holding "]"; a key holding "=" or starting with ";" or "[".
// A value with its own leading blanks replaces the blanks after "="; otherwise they are kept.
bool WriteIni(const QString &section, const QString &key, const QString &value, const QString &file);
