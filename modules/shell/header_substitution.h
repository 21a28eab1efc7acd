// The first line of an NPC definition: the shared inputs put into a header template.
#pragma once

#include <QList>
#include <QString>

// The facing numbers the server reads, counter-clockwise from north.
enum class Facing : int {
    North = 0,
    NorthWest = 1,
    West = 2,
    SouthWest = 3,
    South = 4,
    SouthEast = 5,
    East = 6,
    NorthEast = 7,
};

// The look option at buttonIndex (0 at the top, then clockwise round the picture) faces this way.
Facing FacingOfLookButton(int buttonIndex);
// "North", "North-east", ...: what the option for facing is called aloud.
QString FacingName(Facing facing);

// The shared inputs as typed, without trimming.
struct HeaderInputs
{
    QString name;
    QString sprite;
    QString mapName;
    QString x;
    QString y;
    Facing facing = Facing::North;
    // Whether map names get ".gat" added; current servers read them without it.
    bool addGat = true;
};

struct HeaderSubstitution
{
    QString text;
    QString mapName;     // the map name after the ".gat" rule, for the map box to show
};

// Every header template starts with this; the module's own tail follows, from "%SPRITE%" on.
QString HeaderTemplateStart();

// The ".gat" rule: mapName + ".gat" unless it already ends in ".gat" in any case.
QString MapNameWithGat(const QString &mapName);
// The map name as written: with the ".gat" rule when addGat is set, as typed otherwise.
QString MapNameForScript(const QString &mapName, bool addGat);

// Fills headerTemplate step by step on the text built so far: the ".gat" rule, then %SCRIPT%
// (kind), %NAME%, %SPRITE%, %MAPNAME%, %XPOS%, %YPOS% and %LOOK% (the facing number).
HeaderSubstitution ApplyHeaderSubstitution(const QString &headerTemplate, const QString &kind,
                                           const HeaderInputs &inputs);

// The same inputs made fit to stand inside a script string: every text escaped.
HeaderInputs InputsInsideString(const HeaderInputs &inputs);

// The index of the first set value, scanning from 0; defaultIndex when none is set.
int SelectedOptionIndex(const QList<bool> &optionValues, int defaultIndex);
