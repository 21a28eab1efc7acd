// wProject: the header, the file list and its buttons, laid out in twips as designed.
#include "project_settings_dialog.h"

#include "common_dialogs.h"
#include "dialog_seam.h"
#include "rule_line.h"
#include "twips.h"
#include "widget_names.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return twipsToPixels(QRect(left, top, width, height));
}

} // namespace

ProjectSettingsDialog::ProjectSettingsDialog(DialogSeam &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("Project Settings"));
    nameWidget(this, QStringLiteral("wProject"), windowTitle());
    setFixedSize(twipsToPixels(6480), twipsToPixels(5610));
    // A fixed-size dialog: a title and a close button, nothing to minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Tahoma where the desktop has it, the desktop's own face otherwise.
    QFont face = font();
    face.setFamilies({QStringLiteral("Tahoma"), face.family()});
    setFont(face);

    auto *picture = nameWidget(new QLabel(this), QStringLiteral("imgHeader"), tr("Folder with script files"));
    picture->setPixmap(QPixmap(QStringLiteral(":/images/project_header.png")));
    picture->setGeometry(twipsRect(240, 120, 720, 720));

    auto *header = nameWidget(new QLabel(tr("The scripts of this project. Add the files that belong to it, remove the ones "
                                                "that do not, then save the changes."), this), QStringLiteral("labHeader"));
    header->setGeometry(twipsRect(1155, 180, 5130, 660));
    header->setWordWrap(true);

    // Both rules reach past the dialog's edges, so only their lines show.
    const QRect rules[] = {twipsRect(-465, 990, 7425, 105), twipsRect(-135, 5055, 7425, 105)};
    for (int i = 0; i < 2; ++i) {
        auto *rule = new MultiRule(this);
        rule->setObjectName(QStringLiteral("HRule_%1").arg(i));
        rule->setGeometry(rules[i]);
    }

    m_files = nameWidget(new QTreeWidget(this), QStringLiteral("lvwFiles"), tr("Project files"));
    m_files->setGeometry(twipsRect(60, 1095, 6375, 3435));
    m_files->setHeaderLabels({QStringLiteral("Project Files")});
    m_files->setRootIsDecorated(false);
    m_files->setSelectionMode(QAbstractItemView::ExtendedSelection);

    const auto addButton = [this](const QString &name, const QString &caption, const QRect &bounds) {
        auto *button = nameWidget(new QPushButton(caption, this), name, caption);
        button->setGeometry(bounds);
        return button;
    };
    QPushButton *add = addButton(QStringLiteral("cmdAddFile"), QStringLiteral("Add File"),
                                 twipsRect(60, 4590, 1575, 360));
    m_removeSelected = addButton(QStringLiteral("cmdRemoveSelected"), QStringLiteral("Remove Selected"),
                                 twipsRect(1650, 4590, 1575, 360));
    m_clearAll = addButton(QStringLiteral("cmdClearAll"), QStringLiteral("Clear All"),
                           twipsRect(3240, 4590, 1575, 360));
    QPushButton *save = addButton(QStringLiteral("cmdSaveChanges"), QStringLiteral("Save Changes"),
                                  twipsRect(3210, 5175, 1575, 360));
    QPushButton *cancel = addButton(QStringLiteral("cmdCancelChanges"), QStringLiteral("Cancel Changes"),
                                    twipsRect(4815, 5175, 1575, 360));

    setTabOrder(m_files, add);
    setTabOrder(add, m_removeSelected);
    setTabOrder(m_removeSelected, m_clearAll);
    setTabOrder(m_clearAll, save);
    setTabOrder(save, cancel);

    connect(add, &QPushButton::clicked, this, &ProjectSettingsDialog::addFile);
    connect(m_removeSelected, &QPushButton::clicked, this, &ProjectSettingsDialog::removeSelected);
    connect(m_clearAll, &QPushButton::clicked, this, &ProjectSettingsDialog::clearAll);
    connect(save, &QPushButton::clicked, this, [this] { Q_EMIT saveChangesRequested(fileNames()); });
    // Cancelling leaves the project as it was: the dialog only ever changed its own list.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    updateButtons();
}

void ProjectSettingsDialog::load(const QStringList &fileNames)
{
    m_files->clear();
    for (const QString &name : fileNames)
        new QTreeWidgetItem(m_files, {name});
    updateButtons();
}

QStringList ProjectSettingsDialog::fileNames() const
{
    QStringList names;
    for (int i = 0; i < m_files->topLevelItemCount(); ++i)
        names.append(m_files->topLevelItem(i)->text(0));
    return names;
}

void ProjectSettingsDialog::addFile()
{
    const QString path = m_dialogs.fileName(
        ScriptFileRequest(this, FileDialogMode::Open, QStringLiteral("Select file to include into this project..")));
    if (path.isEmpty())
        return;
    auto *item = new QTreeWidgetItem(m_files, {path});
    m_files->scrollToItem(item);
    updateButtons();
}

void ProjectSettingsDialog::removeSelected()
{
    // From the last to the first, so removing an item never moves one still to be looked at.
    for (int i = m_files->topLevelItemCount() - 1; i >= 0; --i) {
        if (m_files->topLevelItem(i)->isSelected())
            delete m_files->takeTopLevelItem(i);
    }
    updateButtons();
}

void ProjectSettingsDialog::clearAll()
{
    m_files->clear();
    updateButtons();
}

void ProjectSettingsDialog::updateButtons()
{
    const bool hasItems = m_files->topLevelItemCount() > 0;
    m_removeSelected->setEnabled(hasItems);
    m_clearAll->setEnabled(hasItems);
}
