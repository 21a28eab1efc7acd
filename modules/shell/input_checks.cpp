// Checking the shared inputs and prices.
#include "input_checks.h"

namespace {

QString quoted(const QString &caption)
{
    return QLatin1Char('"') + caption + QLatin1Char('"');
}

bool isWholeNumber(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// A blank of any kind or a comma would cut the definition line in the wrong place.
bool hasBlankOrComma(const QString &text)
{
    for (const QChar c : text) {
        if (c.isSpace() || c == QLatin1Char(','))
            return true;
    }
    return false;
}

InputProblem missing(InputField field, const QString &caption)
{
    return {field, QStringLiteral("Please fill in %1.").arg(quoted(caption))};
}

} // namespace

QString InputProblemTitle()
{
    return QStringLiteral("Check the form..");
}

std::optional<InputProblem> CheckHeaderInputs(const HeaderInputs &inputs, const InputCaptions &captions)
{
    const QString sprite = QStringLiteral("NPC Sprite");
    if (inputs.name.trimmed().isEmpty())
        return missing(InputField::Name, captions.name);
    if (inputs.sprite.isEmpty())
        return missing(InputField::Sprite, sprite);
    if (hasBlankOrComma(inputs.sprite))
        return InputProblem{InputField::Sprite,
                            QStringLiteral("%1 must be a sprite number or a sprite name without blanks or commas.")
                                .arg(quoted(sprite))};
    if (inputs.mapName.isEmpty())
        return missing(InputField::MapName, captions.mapName);
    if (hasBlankOrComma(inputs.mapName))
        return InputProblem{InputField::MapName,
                            QStringLiteral("%1 must be a map name without blanks or commas.").arg(quoted(captions.mapName))};
    const auto position = [](InputField field, const QString &caption) {
        return InputProblem{field, QStringLiteral("%1 must be a whole number of 0 or more.").arg(quoted(caption))};
    };
    if (!isWholeNumber(inputs.x))
        return position(InputField::X, QStringLiteral("X Position on Map"));
    if (!isWholeNumber(inputs.y))
        return position(InputField::Y, QStringLiteral("Y Position on Map"));
    return std::nullopt;
}

bool IsValidPrice(const QString &price)
{
    return price == QLatin1String("-1") || isWholeNumber(price);
}

QString PriceProblemText(const QString &itemName)
{
    return QStringLiteral("The sale price of %1 must be a whole number of 0 or more, or -1 for the item's own price.")
        .arg(itemName.trimmed());
}
