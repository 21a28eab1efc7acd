// Building the NPC block.
#include "npc_script.h"

#include "script_text.h"

#include <QStringList>

namespace {

const QString nameMessageTemplate = QStringLiteral("\r\n\tmes \"[%NAME%]\";");

} // namespace

QString NpcHeaderTemplate()
{
    return HeaderTemplateStart() + QStringLiteral("%SPRITE%,{") + nameMessageTemplate;
}

QString BuildNPCScript(const HeaderInputs &inputs, const QString &greeting)
{
    // The definition line takes the values as typed; the name message stands inside a string, so
    // it is filled from escaped values, placeholders and all.
    const QString definition = HeaderTemplateStart() + QStringLiteral("%SPRITE%,{");
    QString block = ApplyHeaderSubstitution(definition, QStringLiteral("script"), inputs).text
        + ApplyHeaderSubstitution(nameMessageTemplate, QStringLiteral("script"), InputsInsideString(inputs)).text;
    // An empty greeting has no lines at all, not one empty line.
    const QStringList lines = greeting.isEmpty() ? QStringList() : greeting.split(QLatin1String("\r\n"));
    for (const QString &line : lines)
        block += QStringLiteral("\r\n") + MesStatement(line);
    return block + QStringLiteral("\r\n}");
}
