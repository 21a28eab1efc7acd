// The first line of an NPC definition: the shared inputs put into a header template.
#pragma once

#include <QList>
#include <QString>

// The shared inputs as typed, without trimming or checks.
struct HeaderInputs
{
    QString name;
    QString sprite;
    QString mapName;
    QString x;
    QString y;
    int lookIndex = 0;   // the selected look option: 0 at the top, then clockwise
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

// Fills headerTemplate step by step on the text built so far: the ".gat" rule, then %SCRIPT%
// (kind), %NAME%, %SPRITE%, %MAPNAME%, %XPOS%, %YPOS% and %LOOK% (lookIndex + 1).
HeaderSubstitution ApplyHeaderSubstitution(const QString &headerTemplate, const QString &kind,
                                           const HeaderInputs &inputs);

// The index of the first set value, scanning from 0; defaultIndex when none is set.
int SelectedOptionIndex(const QList<bool> &optionValues, int defaultIndex);
