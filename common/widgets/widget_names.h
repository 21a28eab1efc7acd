// Naming a widget: its designed name for the code and tests, and what a person should hear.
#pragma once

#include <QString>

class QWidget;

// The caption as it is read aloud: mnemonic markers removed ("Fi&nd what:" -> "Find what:").
QString spokenCaption(const QString &caption);

// Sets the objectName to designedName and the accessible name to spokenName (mnemonics
// removed). An empty spokenName leaves the accessible name alone, so a label or a panel
// keeps exposing its current text. Returns the widget for use in expressions.
template <typename Widget>
Widget *nameWidget(Widget *widget, const QString &designedName, const QString &spokenName = QString());

void setWidgetNames(QWidget *widget, const QString &designedName, const QString &spokenName);

template <typename Widget>
Widget *nameWidget(Widget *widget, const QString &designedName, const QString &spokenName)
{
    setWidgetNames(widget, designedName, spokenName);
    return widget;
}
