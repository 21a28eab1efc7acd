// The inputs the shop and NPC modules share: name, sprite, map, position and look direction.
#pragma once

#include "header_substitution.h"
#include "module_context.h"

#include <QList>
#include <QString>

class DialogSeam;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

// The frame captions that differ between the shop and the NPC module.
struct InputCaptions
{
    QString name;      // fraNPCName
    QString mapName;   // fraMapLocation
};

class SharedInputs
{
public:
    // The controls are children of window; the sprite button opens the sprite picture.
    SharedInputs(const InputCaptions &captions, const ModuleContext &context, DialogSeam &dialogs,
                 QWidget *window);

    // Name, sprite, map name, X and Y in their frames.
    QWidget *placement() const;
    // fraLookDirection: the eight look options around their picture.
    QGroupBox *lookDirection() const;

    // The inputs as typed; first the ".gat" rule is applied to the map box, for the user to see.
    HeaderInputs inputsForInsert();

    // Name, sprite and its button, map name and its button, X, Y and the look options.
    QList<QWidget *> focusOrder() const;

private:
    void buildPlacement(const InputCaptions &captions, const ModuleContext &context, DialogSeam &dialogs,
                        QWidget *window);
    void buildLookDirection(QWidget *window);

    QWidget *m_placement = nullptr;
    QGroupBox *m_lookDirection = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_sprite = nullptr;
    QLineEdit *m_mapName = nullptr;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QWidget *m_spriteButton = nullptr;
    QWidget *m_mapButton = nullptr;
    QList<QRadioButton *> m_look;
};
