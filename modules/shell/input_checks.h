// What must be right in a form before its script text is sent: which field, and what to say.
#pragma once

#include "header_substitution.h"

#include <QString>

#include <optional>

// The shared inputs, in the order they are checked and stand in the window.
enum class InputField { Name, Sprite, MapName, X, Y };

struct InputProblem
{
    InputField field;
    QString text;    // names the field by its caption and says what it needs
};

// The captions of the two frames whose wording differs between the shop and the NPC module.
struct InputCaptions
{
    QString name;      // fraNPCName
    QString mapName;   // fraMapLocation
};

// The title of every message about a field that is missing or wrong.
QString InputProblemTitle();

// The first problem of inputs, in window order: the name, the map and the sprite must be filled
// in, the sprite a number or a name without blanks or commas, the map a name without blanks or
// commas, X and Y whole numbers of 0 or more. Nothing when all is well.
std::optional<InputProblem> CheckHeaderInputs(const HeaderInputs &inputs, const InputCaptions &captions);

// A sale price the server reads: a whole number of 0 or more, or -1 for the item's own price.
bool IsValidPrice(const QString &price);
// What to say about an item whose price is not one.
QString PriceProblemText(const QString &itemName);
