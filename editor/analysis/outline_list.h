// OutlineList: the NPC selection list as the script's outline, blocks with their labels under them.
#pragma once

#include <QObject>

#include <memory>
#include <vector>

class OutlineEntries;
class QComboBox;
class ScriptOutline;
struct ScriptModel;

class OutlineList : public QObject
{
    Q_OBJECT

public:
    // The list keeps its item 0 caption; the outline's entries follow it.
    OutlineList(ScriptOutline &outline, QComboBox &list, QObject *parent = nullptr);

private:
    void fill(const ScriptModel &model);
    void followCaret(int line);
    void entryChosen(int index);

    ScriptOutline &m_outline;
    QComboBox &m_list;
    OutlineEntries *m_entries = nullptr;   // the list's model once the first outline arrives
    int m_caretLine = 0;
};
