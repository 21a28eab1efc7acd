// Filling the definition header from the shared inputs.
#include "header_substitution.h"

#include "script_text.h"

Facing FacingOfLookButton(int buttonIndex)
{
    // The buttons go round clockwise, the server's numbers counter-clockwise, both from north.
    return Facing(((8 - buttonIndex % 8) % 8));
}

QString FacingName(Facing facing)
{
    switch (facing) {
    case Facing::North: return QStringLiteral("North");
    case Facing::NorthWest: return QStringLiteral("North-west");
    case Facing::West: return QStringLiteral("West");
    case Facing::SouthWest: return QStringLiteral("South-west");
    case Facing::South: return QStringLiteral("South");
    case Facing::SouthEast: return QStringLiteral("South-east");
    case Facing::East: return QStringLiteral("East");
    case Facing::NorthEast: return QStringLiteral("North-east");
    }
    return QString();
}

QString HeaderTemplateStart()
{
    return QStringLiteral("%MAPNAME%,%XPOS%,%YPOS%,%LOOK%\t%SCRIPT%\t%NAME%\t");
}

QString MapNameWithGat(const QString &mapName)
{
    return mapName.endsWith(QLatin1String(".gat"), Qt::CaseInsensitive) ? mapName
                                                                        : mapName + QLatin1String(".gat");
}

QString MapNameForScript(const QString &mapName, bool addGat)
{
    return addGat ? MapNameWithGat(mapName) : mapName;
}

HeaderSubstitution ApplyHeaderSubstitution(const QString &headerTemplate, const QString &kind,
                                           const HeaderInputs &inputs)
{
    HeaderSubstitution result;
    result.mapName = MapNameForScript(inputs.mapName, inputs.addGat);
    // The order matters: a placeholder typed into a value is filled by any later step.
    QString text = headerTemplate;
    text.replace(QLatin1String("%SCRIPT%"), kind);
    text.replace(QLatin1String("%NAME%"), inputs.name);
    text.replace(QLatin1String("%SPRITE%"), inputs.sprite);
    text.replace(QLatin1String("%MAPNAME%"), result.mapName);
    text.replace(QLatin1String("%XPOS%"), inputs.x);
    text.replace(QLatin1String("%YPOS%"), inputs.y);
    text.replace(QLatin1String("%LOOK%"), QString::number(int(inputs.facing)));
    result.text = text;
    return result;
}

HeaderInputs InputsInsideString(const HeaderInputs &inputs)
{
    HeaderInputs escaped = inputs;
    escaped.name = ScriptStringText(inputs.name);
    escaped.sprite = ScriptStringText(inputs.sprite);
    escaped.mapName = ScriptStringText(inputs.mapName);
    escaped.x = ScriptStringText(inputs.x);
    escaped.y = ScriptStringText(inputs.y);
    return escaped;
}

int SelectedOptionIndex(const QList<bool> &optionValues, int defaultIndex)
{
    const qsizetype at = optionValues.indexOf(true);
    return at < 0 ? defaultIndex : int(at);
}
