// The splitter between the file list and the text, and the width it keeps.
#include "pane_splitter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ini.h"
#include "twips.h"
#include "window_layout.h"

namespace {

const QString LayoutSection = QStringLiteral("Layout");
const QString FileListKey = QStringLiteral("File List Width");

// Wider than this is not a width anyone dragged to; a damaged value.
constexpr int WidestStoredTwips = 15 * 8000;

} // namespace

int StoredFileListWidth(const QString &value)
{
    bool ok = false;
    const int twips = value.trimmed().toInt(&ok);
    return ok && twips >= 0 && twips <= WidestStoredTwips ? twips : -1;
}

PaneSplitter::PaneSplitter(QComboBox &fileSelector, QTreeWidget &fileList, QComboBox &npcList,
                           QComboBox &unusedList, QWidget &text, const QString &settingsFile, QWidget *parent)
    : QSplitter(Qt::Horizontal, parent)
    , m_settingsFile(settingsFile)
{
    setObjectName(QStringLiteral("splPanes"));
    setChildrenCollapsible(false);
    // The designed gap between the file list and the text is the handle.
    const QRect list = twipsToPixels(MainWindowDesign::ProjectList);
    const QRect editor = twipsToPixels(MainWindowDesign::Editor);
    setHandleWidth(qMax(3, editor.left() - list.right() - 1));

    auto *filePane = new QWidget(this);
    filePane->setObjectName(QStringLiteral("fraFiles"));
    auto *files = new QVBoxLayout(filePane);
    files->setContentsMargins(0, 0, 0, 0);
    files->setSpacing(twipsToPixels(MainWindowDesign::ProjectList.top() - MainWindowDesign::ProjectSelector.bottom()));
    files->addWidget(&fileSelector);
    files->addWidget(&fileList, 1);

    auto *textPane = new QWidget(this);
    textPane->setObjectName(QStringLiteral("fraText"));
    auto *textLayout = new QVBoxLayout(textPane);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->setSpacing(files->spacing());
    auto *lists = new QHBoxLayout;
    lists->setSpacing(qMax(1, twipsToPixels(MainWindowDesign::UnusedList.left() - MainWindowDesign::NpcList.right())));
    lists->addWidget(&npcList, 1);
    lists->addWidget(&unusedList, 1);
    textLayout->addLayout(lists);
    textLayout->addWidget(&text, 1);

    addWidget(filePane);
    addWidget(textPane);
    // A wider window widens the text, not the file list.
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    setCollapsible(0, true);
    setCollapsible(1, false);
    // The panes may be narrower than the lists' captions: the designed widths hold, and the
    // selection lists stay halves.
    for (QComboBox *list : {&fileSelector, &npcList, &unusedList})
        list->setMinimumWidth(1);

    const int stored = StoredFileListWidth(ReadIni(LayoutSection, FileListKey, QString(), m_settingsFile));
    setFileListWidth(stored >= 0 ? twipsToPixels(stored) : list.width());
    connect(this, &QSplitter::splitterMoved, this, [this] { m_moved = true; });
}

int PaneSplitter::fileListWidth() const
{
    return sizes().value(0);
}

void PaneSplitter::setFileListWidth(int pixels)
{
    const int total = qMax(width(), pixels + 1);
    setSizes({pixels, total - pixels});
}

void PaneSplitter::storeWidth() const
{
    if (m_moved)
        WriteIni(LayoutSection, FileListKey, QString::number(pixelsToTwips(fileListWidth())), m_settingsFile);
}
