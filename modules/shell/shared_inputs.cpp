// Building the shared inputs and reading them for the definition header.
#include "shared_inputs.h"

#include "dialog_seam.h"
#include "input_frames.h"
#include "module_pictures.h"
#include "widget_names.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLayout>
#include <QLabel>
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
    const char *name;
};
constexpr CompassPoint compass[8] = {
    {0, 1, "Top"}, {0, 2, "Top right"}, {1, 2, "Right"}, {2, 2, "Bottom right"},
    {2, 1, "Bottom"}, {2, 0, "Bottom left"}, {1, 0, "Left"}, {0, 0, "Top left"},
};

} // namespace

SharedInputs::SharedInputs(const InputCaptions &captions, const ModuleContext &context, DialogSeam &dialogs,
                           QWidget *window)
{
    buildPlacement(captions, context, dialogs, window);
    buildLookDirection(window);
}

void SharedInputs::buildPlacement(const InputCaptions &captions, const ModuleContext &context,
                                  DialogSeam &dialogs, QWidget *window)
{
    m_placement = new QWidget(window);
    auto *grid = new QGridLayout(m_placement);
    grid->setContentsMargins(0, 0, 0, 0);

    QGroupBox *nameFrame = inputFrame(QStringLiteral("fraNPCName"), captions.name, m_placement);
    m_name = frameTextBox(QStringLiteral("txtName"), nameFrame);
    grid->addWidget(nameFrame, 0, 0);

    QGroupBox *spriteFrame = inputFrame(QStringLiteral("fraNPCSprite"), QStringLiteral("NPC Sprite"), m_placement);
    m_sprite = frameTextBox(QStringLiteral("txtNPCSprite"), spriteFrame);
    auto *spriteButton = toolButton(QStringLiteral("tbrNPCSprite"), spriteListIcon(),
                                    QStringLiteral("View the NPC Sprites list.."), spriteFrame);
    m_spriteButton = spriteButton;
    grid->addWidget(spriteFrame, 0, 1, 1, 2);

    QGroupBox *mapFrame = inputFrame(QStringLiteral("fraMapLocation"), captions.mapName, m_placement);
    m_mapName = frameTextBox(QStringLiteral("txtMapName"), mapFrame);
    // A map selector is not part of the tool set: the button is there, without an action.
    m_mapButton = toolButton(QStringLiteral("tbrMapLocation"), mapLocationIcon(),
                             QStringLiteral("Select a map using the Map Selector.."), mapFrame);
    grid->addWidget(mapFrame, 1, 0);

    QGroupBox *xFrame = inputFrame(QStringLiteral("fraMapX"), QStringLiteral("X Position on Map"), m_placement);
    m_x = frameTextBox(QStringLiteral("txtMapX"), xFrame);
    grid->addWidget(xFrame, 1, 1);
    QGroupBox *yFrame = inputFrame(QStringLiteral("fraMapY"), QStringLiteral("Y Position on Map"), m_placement);
    m_y = frameTextBox(QStringLiteral("txtMapY"), yFrame);
    grid->addWidget(yFrame, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    const QString picturePath = context.SpritePicturePath;
    QObject::connect(spriteButton, &QToolButton::clicked, window, [&dialogs, window, picturePath] {
        dialogs.launch(window, picturePath, QString());
    });
}

void SharedInputs::buildLookDirection(QWidget *window)
{
    const QString caption = QStringLiteral("Look Direction");
    m_lookDirection = inputFrame(QStringLiteral("fraLookDirection"), caption, window);
    auto *picture = new QWidget(m_lookDirection);
    picture->setObjectName(QStringLiteral("picLookDirection"));
    m_lookDirection->layout()->addWidget(picture);
    auto *grid = new QGridLayout(picture);
    auto *figure = new QLabel(picture);
    figure->setObjectName(QStringLiteral("imgLookFigure"));
    figure->setPixmap(lookFigurePicture());
    figure->setAlignment(Qt::AlignCenter);
    grid->addWidget(figure, 1, 1);

    // In one exclusive group the arrow keys move between the options.
    auto *group = new QButtonGroup(picture);
    for (int index = 0; index < 8; ++index) {
        const CompassPoint &point = compass[index];
        auto *option = nameWidget(new QRadioButton(picture), QStringLiteral("optLook%1").arg(index), caption);
        const QString where = QStringLiteral("%1 (look %2)").arg(QLatin1String(point.name)).arg(index + 1);
        option->setAccessibleDescription(where);
        option->setToolTip(where);
        group->addButton(option, index);
        grid->addWidget(option, point.row, point.column, Qt::AlignCenter);
        m_look.append(option);
    }
    // Tab stops at the selected option, however it was selected.
    QObject::connect(group, &QButtonGroup::idToggled, picture, [look = m_look](int, bool checked) {
        if (!checked)
            return;
        for (QRadioButton *option : look)
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
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

HeaderInputs SharedInputs::inputsForInsert()
{
    m_mapName->setText(MapNameWithGat(m_mapName->text()));
    QList<bool> lookValues;
    for (const QRadioButton *option : m_look)
        lookValues.append(option->isChecked());
    HeaderInputs inputs;
    inputs.name = m_name->text();
    inputs.sprite = m_sprite->text();
    inputs.mapName = m_mapName->text();
    inputs.x = m_x->text();
    inputs.y = m_y->text();
    inputs.lookIndex = SelectedOptionIndex(lookValues, 0);
    return inputs;
}

QList<QWidget *> SharedInputs::focusOrder() const
{
    QList<QWidget *> order{m_name, m_sprite, m_spriteButton, m_mapName, m_mapButton, m_x, m_y};
    for (QRadioButton *option : m_look)
        order.append(option);
    return order;
}
