// Building the shared inputs and reading them for the definition header.
#include "shared_inputs.h"

#include "dialog_seam.h"
#include "input_frames.h"
#include "module_pictures.h"
#include "module_settings.h"
#include "picture_viewer.h"
#include "widget_names.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace {

QToolButton *toolButton(const QString &name, const QIcon &icon, const QString &hint, QGroupBox *frame)
{
    auto *button = nameWidget(new QToolButton(frame), name, hint);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::StrongFocus);
    frame->layout()->addWidget(button);
    return button;
}

// Where each look option sits in the 3 x 3 grid around the picture: clockwise from the top.
struct CompassPoint
{
    int row;
    int column;
};
constexpr CompassPoint compass[8] = {
    {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0},
};

} // namespace

void ReportInputProblem(const QString &text, QWidget *field, DialogSeam &dialogs)
{
    dialogs.msgBoxEx(MsgBoxExRequest{text, MsgBoxIcon::Warning, MsgBoxButtons::Okay, InputProblemTitle()});
    if (field) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto *box = qobject_cast<QLineEdit *>(field))
            box->selectAll();
    }
}

SharedInputs::SharedInputs(const InputCaptions &captions, const ModuleContext &context, DialogSeam &dialogs,
                           QWidget *window)
    : m_captions(captions)
    , m_dialogs(dialogs)
    , m_window(window)
    , m_spritePicturePath(context.SpritePicturePath)
{
    buildPlacement(context, window);
    buildLookDirection(window);
}

void SharedInputs::buildPlacement(const ModuleContext &context, QWidget *window)
{
    m_placement = new QWidget(window);
    auto *grid = new QGridLayout(m_placement);
    grid->setContentsMargins(0, 0, 0, 0);

    QGroupBox *nameFrame = inputFrame(QStringLiteral("fraNPCName"), m_captions.name, m_placement);
    m_name = frameTextBox(QStringLiteral("txtName"), nameFrame);
    grid->addWidget(nameFrame, 0, 0);

    QGroupBox *spriteFrame = inputFrame(QStringLiteral("fraNPCSprite"), QStringLiteral("NPC Sprite"), m_placement);
    m_sprite = frameTextBox(QStringLiteral("txtNPCSprite"), spriteFrame);
    m_spriteButton = toolButton(QStringLiteral("tbrNPCSprite"), spriteListIcon(),
                                QStringLiteral("View the NPC Sprites list.."), spriteFrame);
    grid->addWidget(spriteFrame, 0, 1, 1, 2);

    QGroupBox *mapFrame = inputFrame(QStringLiteral("fraMapLocation"), m_captions.mapName, m_placement);
    m_mapName = frameTextBox(QStringLiteral("txtMapName"), mapFrame);
    m_mapButton = toolButton(QStringLiteral("tbrMapLocation"), mapLocationIcon(),
                             QStringLiteral("Select a map using the Map Selector.."), mapFrame);
    m_mapButton->setAccessibleDescription(QStringLiteral("Show the picture of the map named in the box"));
    grid->addWidget(mapFrame, 1, 0);

    QGroupBox *xFrame = inputFrame(QStringLiteral("fraMapX"), QStringLiteral("X Position on Map"), m_placement);
    m_x = frameTextBox(QStringLiteral("txtMapX"), xFrame);
    grid->addWidget(xFrame, 1, 1);
    QGroupBox *yFrame = inputFrame(QStringLiteral("fraMapY"), QStringLiteral("Y Position on Map"), m_placement);
    m_y = frameTextBox(QStringLiteral("txtMapY"), yFrame);
    grid->addWidget(yFrame, 1, 2);

    // The switch is kept for every later run of any module.
    const ModuleSettings settings(context.SettingsPath);
    m_addGat = nameWidget(new QCheckBox(QStringLiteral("Add .gat to map names"), m_placement),
                          QStringLiteral("chkAddGat"), QStringLiteral("Add .gat to map names"));
    m_addGat->setAccessibleDescription(QStringLiteral("Older servers need .gat after map names; current ones read "
                                                      "them without it"));
    m_addGat->setToolTip(m_addGat->accessibleDescription());
    m_addGat->setChecked(settings.addGat());
    grid->addWidget(m_addGat, 2, 0, 1, 3);
    QObject::connect(m_addGat, &QCheckBox::toggled, m_addGat, [settings](bool on) { settings.setAddGat(on); });

    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    QObject::connect(static_cast<QToolButton *>(m_spriteButton), &QToolButton::clicked, window,
                     [this] { ShowPicture(m_spritePicturePath, m_window, m_dialogs); });
    QObject::connect(static_cast<QToolButton *>(m_mapButton), &QToolButton::clicked, window,
                     [this] { showMapPicture(); });
}

void SharedInputs::buildLookDirection(QWidget *window)
{
    const QString caption = QStringLiteral("Look Direction");
    m_lookDirection = inputFrame(QStringLiteral("fraLookDirection"), caption, window);
    auto *picture = new QWidget(m_lookDirection);
    picture->setObjectName(QStringLiteral("picLookDirection"));
    m_lookDirection->layout()->addWidget(picture);
    auto *grid = new QGridLayout(picture);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    m_figure = new QLabel(picture);
    m_figure->setObjectName(QStringLiteral("imgLookFigure"));
    m_figure->setPixmap(lookFigurePicture(Facing::North));
    m_figure->setAlignment(Qt::AlignCenter);
    m_figure->setAccessibleName(QStringLiteral("Facing North"));
    grid->addWidget(m_figure, 1, 1);

    // In one exclusive group the arrow keys move between the options.
    auto *group = new QButtonGroup(picture);
    for (int index = 0; index < 8; ++index) {
        const CompassPoint &point = compass[index];
        const Facing facing = FacingOfLookButton(index);
        auto *option = nameWidget(new QRadioButton(picture), QStringLiteral("optLook%1").arg(index), FacingName(facing));
        const QString where = QStringLiteral("%1: look %2").arg(caption).arg(int(facing));
        option->setAccessibleDescription(where);
        option->setToolTip(FacingName(facing));
        group->addButton(option, index);
        grid->addWidget(option, point.row, point.column, Qt::AlignCenter);
        m_look.append(option);
    }
    // Tab stops at the selected option, however it was selected; the figure turns with it.
    QObject::connect(group, &QButtonGroup::idToggled, picture, [this](int index, bool checked) {
        if (!checked)
            return;
        for (QRadioButton *option : m_look)
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        const Facing facing = FacingOfLookButton(index);
        m_figure->setPixmap(lookFigurePicture(facing));
        m_figure->setAccessibleName(QStringLiteral("Facing ") + FacingName(facing));
    });
    m_look.first()->setChecked(true);
}

QWidget *SharedInputs::placement() const
{
    return m_placement;
}

QGroupBox *SharedInputs::lookDirection() const
{
    return m_lookDirection;
}

HeaderInputs SharedInputs::currentInputs() const
{
    QList<bool> lookValues;
    for (const QRadioButton *option : m_look)
        lookValues.append(option->isChecked());
    HeaderInputs inputs;
    inputs.name = m_name->text();
    inputs.sprite = m_sprite->text();
    inputs.mapName = m_mapName->text();
    inputs.x = m_x->text();
    inputs.y = m_y->text();
    inputs.facing = FacingOfLookButton(SelectedOptionIndex(lookValues, 0));
    inputs.addGat = m_addGat->isChecked();
    return inputs;
}

std::optional<HeaderInputs> SharedInputs::inputsForInsert()
{
    HeaderInputs inputs = currentInputs();
    if (const std::optional<InputProblem> problem = CheckHeaderInputs(inputs, m_captions)) {
        ReportInputProblem(problem->text, textBox(problem->field), m_dialogs);
        return std::nullopt;
    }
    // The user sees the map name as it goes into the script.
    inputs.mapName = MapNameForScript(inputs.mapName, inputs.addGat);
    m_mapName->setText(inputs.mapName);
    return inputs;
}

bool SharedInputs::hasInput() const
{
    for (const QLineEdit *box : {m_name, m_sprite, m_mapName, m_x, m_y}) {
        if (!box->text().isEmpty())
            return true;
    }
    return false;
}

QList<QWidget *> SharedInputs::focusOrder() const
{
    QList<QWidget *> order{m_name, m_sprite, m_spriteButton, m_mapName, m_mapButton, m_x, m_y, m_addGat};
    for (QRadioButton *option : m_look)
        order.append(option);
    return order;
}

QLineEdit *SharedInputs::textBox(InputField field) const
{
    switch (field) {
    case InputField::Name: return m_name;
    case InputField::Sprite: return m_sprite;
    case InputField::MapName: return m_mapName;
    case InputField::X: return m_x;
    case InputField::Y: return m_y;
    }
    return nullptr;
}

void SharedInputs::showMapPicture()
{
    if (m_mapName->text().trimmed().isEmpty()) {
        ReportInputProblem(QStringLiteral("Please fill in \"%1\" to see the map's picture.").arg(m_captions.mapName),
                           m_mapName, m_dialogs);
        return;
    }
    ShowPicture(MapPicturePath(m_spritePicturePath, m_mapName->text()), m_window, m_dialogs);
}
