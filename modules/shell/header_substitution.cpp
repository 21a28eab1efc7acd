// Filling the definition header from the shared inputs.
#include "header_substitution.h"

QString HeaderTemplateStart()
{
    return QStringLiteral("%MAPNAME%,%XPOS%,%YPOS%,%LOOK%\t%SCRIPT%\t%NAME%\t");
}

QString MapNameWithGat(const QString &mapName)
{
    return mapName.endsWith(QLatin1String(".gat"), Qt::CaseInsensitive) ? mapName
                                                                        : mapName + QLatin1String(".gat");
}

HeaderSubstitution ApplyHeaderSubstitution(const QString &headerTemplate, const QString &kind,
                                           const HeaderInputs &inputs)
{
    HeaderSubstitution result;
    result.mapName = MapNameWithGat(inputs.mapName);
    // The order matters: a placeholder typed into a value is filled by any later step.
    QString text = headerTemplate;
    text.replace(QLatin1String("%SCRIPT%"), kind);
    text.replace(QLatin1String("%NAME%"), inputs.name);
    text.replace(QLatin1String("%SPRITE%"), inputs.sprite);
    text.replace(QLatin1String("%MAPNAME%"), result.mapName);
    text.replace(QLatin1String("%XPOS%"), inputs.x);
    text.replace(QLatin1String("%YPOS%"), inputs.y);
    text.replace(QLatin1String("%LOOK%"), QString::number(inputs.lookIndex + 1));
    result.text = text;
    return result;
}

int SelectedOptionIndex(const QList<bool> &optionValues, int defaultIndex)
{
    const qsizetype at = optionValues.indexOf(true);
    return at < 0 ? defaultIndex : int(at);
}
