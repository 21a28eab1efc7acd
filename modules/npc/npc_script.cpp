// Building the NPC block.
#include "npc_script.h"

#include <QStringList>

QString NpcHeaderTemplate()
{
    return HeaderTemplateStart() + QStringLiteral("%SPRITE%,{\r\n\tmes \"[%NAME%]\";");
}

QString BuildNPCScript(const HeaderInputs &inputs, const QString &greeting)
{
    QString block = ApplyHeaderSubstitution(NpcHeaderTemplate(), QStringLiteral("script"), inputs).text;
    // An empty greeting has no lines at all, not one empty line.
    const QStringList lines = greeting.isEmpty() ? QStringList() : greeting.split(QLatin1String("\r\n"));
    for (const QString &line : lines)
        block += QStringLiteral("\r\n\tmes \"") + line + QStringLiteral("\";");
    return block + QStringLiteral("\r\n}");
}
