// Options > Colour Scheme: Light, Dark or the desktop's look, for the text and the panels.
#pragma once

#include <QObject>
#include <QPalette>
#include <QString>

#include "colour_scheme.h"

class EditControl;
class QAction;
class QActionGroup;

// How a choice is written in the settings, and read back; anything else reads as Light.
QString SchemeChoiceText(SchemeChoice choice);
SchemeChoice SchemeChoiceFromText(const QString &text);

class SchemeCommands : public QObject
{
    Q_OBJECT

public:
    // Reads the kept choice from settingsFile and draws the text and the panels in it.
    SchemeCommands(EditControl &control, const QString &settingsFile, QObject *parent = nullptr);
    // The desktop's palette comes back, so nothing outlives the window that chose a scheme.
    ~SchemeCommands() override;

    SchemeChoice choice() const;
    // The scheme drawn now: the choice, with Follow Desktop resolved.
    SchemeKind kind() const;

    // Makes the three items checkable and exclusive, the kept choice checked; each chooses.
    void setItems(QAction *light, QAction *dark, QAction *desktop);
    // Draws in choice and keeps it in the settings.
    void choose(SchemeChoice choice);

private:
    SchemeKind desktopKind() const;
    void apply();

    EditControl &m_control;
    QString m_settingsFile;
    SchemeChoice m_choice = SchemeChoice::Light;
    // The desktop's own palette, as it was before any scheme set one.
    QPalette m_desktopPalette;
    bool m_paletteSet = false;
    QActionGroup *m_items = nullptr;
};
