// The inputs the shop and NPC modules share: name, sprite, map, position and look direction.
#pragma once

#include "header_substitution.h"
#include "input_checks.h"
#include "module_context.h"

#include <QList>
#include <QString>

#include <optional>

class DialogSeam;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

class SharedInputs
{
public:
    // The controls are children of window; the sprite and map buttons show their pictures.
    SharedInputs(const InputCaptions &captions, const ModuleContext &context, DialogSeam &dialogs,
                 QWidget *window);

    // Name, sprite, map name, X and Y in their frames, and the ".gat" switch.
    QWidget *placement() const;
    // fraLookDirection: the eight look options around their picture.
    QGroupBox *lookDirection() const;

    // The inputs as typed and the facing chosen, without touching the window.
    HeaderInputs currentInputs() const;
    // The inputs for an insert, or nothing when a field is missing or wrong: then the user has
    // been told which, and the field has the focus. On success the map box shows the map name as
    // it is written.
    std::optional<HeaderInputs> inputsForInsert();
    // Whether anything has been typed into the text boxes.
    bool hasInput() const;

    // Name, sprite and its button, map name and its button, X, Y, the look options and the
    // ".gat" switch.
    QList<QWidget *> focusOrder() const;

    // The text box of field.
    QLineEdit *textBox(InputField field) const;

private:
    void buildPlacement(const ModuleContext &context, QWidget *window);
    void buildLookDirection(QWidget *window);
    void showMapPicture();

    InputCaptions m_captions;
    DialogSeam &m_dialogs;
    QWidget *m_window = nullptr;
    QString m_spritePicturePath;
    QWidget *m_placement = nullptr;
    QGroupBox *m_lookDirection = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_sprite = nullptr;
    QLineEdit *m_mapName = nullptr;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QWidget *m_spriteButton = nullptr;
    QWidget *m_mapButton = nullptr;
    QCheckBox *m_addGat = nullptr;
    QLabel *m_figure = nullptr;
    QList<QRadioButton *> m_look;
};

// Tells text (what is missing or wrong) through dialogs and puts the focus on field.
void ReportInputProblem(const QString &text, QWidget *field, DialogSeam &dialogs);
