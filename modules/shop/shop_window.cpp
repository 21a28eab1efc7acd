// Laying out Bartlow's pages and handling its item list.
#include "shop_window.h"

#include "dialog_seam.h"
#include "input_frames.h"
#include "item_picker.h"
#include "module_pictures.h"
#include "widget_names.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

ModuleLook shopLook()
{
    return ModuleLook{QStringLiteral("Create Bartlow"), QStringLiteral("Image1"), characterPicture(),
                      QStringLiteral("How may I help you?  ^.^"), QStringLiteral("cmdInsertShop"),
                      QStringLiteral("Insert Shop"), QStringLiteral("Insert the shop into the editor"),
                      QStringLiteral("Bartlow: writes the definition of a shop NPC and the items it sells into the "
                                     "script")};
}

const QString basicTag = QStringLiteral("_basic");
const QString itemsTag = QStringLiteral("_items");

QPushButton *listButton(const QString &name, const QString &caption, QWidget *parent)
{
    return nameWidget(new QPushButton(caption, parent), name, caption);
}

} // namespace

QList<ShopItem> RunItemPicker(const ItemTable &table, QWidget *owner, DialogSeam &dialogs, const QString &settingsPath)
{
    ItemPicker picker(table, dialogs, settingsPath, owner);
    picker.exec();
    return picker.chosenItems();
}

QString ItemDatabaseErrorTitle()
{
    return QStringLiteral("CountsLinesInFile() Error!");
}

QString ItemDatabaseErrorText(const QString &reason)
{
    return QStringLiteral("There was an error while trying to load the items database file! In this version of the "
                          "Quillmere, you will need to copy Tamrin's Item_DB2.txt file to the Quillmere\\Modules\\ "
                          "directory, otherwise you will not be able to use the Bartlow.\n\nError Description: ")
        + reason;
}

ItemTable LoadItems(const QString &path, DialogSeam &dialogs)
{
    const ItemDatabaseLoad load = LoadItemDatabase(path);
    if (!load.ok)
        dialogs.msgBoxEx(MsgBoxExRequest{ItemDatabaseErrorText(load.error), MsgBoxIcon::Error, MsgBoxButtons::Okay,
                                         ItemDatabaseErrorTitle()});
    return load.table;
}

ShopWindow::ShopWindow(const ModuleContext &context, DialogSeam &dialogs, const ItemTable &items,
                       CommandSender send, ItemPickerRunner pickItems, QWidget *parent)
    : ModuleWindow(shopLook(), context, dialogs, std::move(send), parent)
    , m_items(items)
    , m_pickItems(std::move(pickItems))
{
    auto *tabBar = nameWidget(new QWidget(this), QStringLiteral("tbrMain"), QStringLiteral("Pages"));
    auto *tabLayout = new QHBoxLayout(tabBar);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    const QList<std::pair<QString, QString>> tabs{{QStringLiteral("Basic Settings"), basicTag},
                                                  {QStringLiteral("Items In Shop"), itemsTag}};
    for (const auto &[caption, tag] : tabs) {
        auto *button = nameWidget(new QToolButton(tabBar), QStringLiteral("tbrMain%1").arg(m_tabButtons.size()), caption);
        button->setText(caption);
        button->setProperty("tag", tag);
        button->setCheckable(true);
        // Toolbar buttons take no focus by default; these switch pages, so the keyboard needs them.
        button->setFocusPolicy(Qt::StrongFocus);
        const int index = int(m_tabButtons.size());
        connect(button, &QToolButton::clicked, this, [this, tag, index] { showContainerTab(tag, index); });
        tabLayout->addWidget(button);
        m_tabButtons.append(button);
    }
    tabLayout->addStretch(1);
    body()->addWidget(tabBar);

    m_pages = new QStackedWidget(this);
    body()->addWidget(m_pages, 1);

    m_inputs = std::make_unique<SharedInputs>(m_captions, context, dialogs, this);
    auto *basicPage = nameWidget(new QWidget(m_pages), QStringLiteral("fraContainer0"), QStringLiteral("Basic Settings"));
    basicPage->setProperty("tag", basicTag);
    auto *basicLayout = new QVBoxLayout(basicPage);
    basicLayout->setContentsMargins(0, 0, 0, 0);
    basicLayout->addWidget(m_inputs->placement());
    basicLayout->addWidget(m_inputs->lookDirection(), 0, Qt::AlignLeft);
    basicLayout->addStretch(1);
    m_pages->addWidget(basicPage);

    auto *itemsPage = nameWidget(new QWidget(m_pages), QStringLiteral("fraContainer1"), QStringLiteral("Items In Shop"));
    itemsPage->setProperty("tag", itemsTag);
    auto *itemsLayout = new QVBoxLayout(itemsPage);
    itemsLayout->setContentsMargins(0, 0, 0, 0);
    m_list = nameWidget(new QTreeWidget(itemsPage), QStringLiteral("lvwItems"), QStringLiteral("Items in shop"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({QStringLiteral("Item ID"), QStringLiteral("Item Name"), QStringLiteral("Sale Price")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->resizeSection(1, 220);
    itemsLayout->addWidget(m_list, 1);
    auto *listButtons = new QHBoxLayout;
    m_addNew = listButton(QStringLiteral("cmdAddNewItems"), QStringLiteral("Add New Items"), itemsPage);
    m_editSelected = listButton(QStringLiteral("cmdEditSelected"), QStringLiteral("Edit Item Price"), itemsPage);
    m_removeSelected = listButton(QStringLiteral("cmdRemoveSelected"), QStringLiteral("Remove Selected"), itemsPage);
    m_clearAll = listButton(QStringLiteral("cmdClearAll"), QStringLiteral("Clear All"), itemsPage);
    for (QPushButton *button : {m_addNew, m_editSelected, m_removeSelected, m_clearAll})
        listButtons->addWidget(button);
    listButtons->addStretch(1);
    itemsLayout->addLayout(listButtons);
    m_pages->addWidget(itemsPage);

    connect(m_addNew, &QPushButton::clicked, this, &ShopWindow::addNewItems);
    connect(m_editSelected, &QPushButton::clicked, this, &ShopWindow::editSelected);
    connect(m_removeSelected, &QPushButton::clicked, this, &ShopWindow::removeSelected);
    connect(m_clearAll, &QPushButton::clicked, this, &ShopWindow::clearAll);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        m_list->setCurrentItem(item);
        editSelected();
    });

    setInputOrder(QList<QWidget *>(m_tabButtons.cbegin(), m_tabButtons.cend())
                  << m_inputs->focusOrder() << m_list << m_addNew << m_editSelected << m_removeSelected
                  << m_clearAll);
    showContainerTab(basicTag, 0);
    m_tabButtons.first()->setChecked(true);

    // Without an editor there is nowhere to insert.
    insertButton()->setEnabled(context.EditorHwnd != 0);
    updateItemButtons();
    resize(620, 470);
}

QList<ShopItem> ShopWindow::shopItems() const
{
    QList<ShopItem> items;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = m_list->topLevelItem(row);
        items.append(ShopItem{item->text(0), item->text(1), item->text(2)});
    }
    return items;
}

void ShopWindow::appendItems(const QList<ShopItem> &items)
{
    for (const ShopItem &item : items)
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{item.id, item.name, item.price}));
}

std::optional<QString> ShopWindow::buildScript()
{
    // Checked before the inputs are read, so a refused insert leaves the map name as typed.
    if (m_list->topLevelItemCount() == 0) {
        dialogs().msgBoxEx(MsgBoxExRequest{NoItemsText(), MsgBoxIcon::Warning, MsgBoxButtons::Okay, NoItemsTitle()});
        return std::nullopt;
    }
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_list->topLevelItem(row);
        if (IsValidPrice(item->text(2)))
            continue;
        showContainerTab(itemsTag, 1);
        m_list->setCurrentItem(item);
        ReportInputProblem(PriceProblemText(item->text(1)), m_list, dialogs());
        return std::nullopt;
    }
    // A field to mend is on the first page.
    if (CheckHeaderInputs(m_inputs->currentInputs(), m_captions))
        showContainerTab(basicTag, 0);
    const std::optional<HeaderInputs> inputs = m_inputs->inputsForInsert();
    if (!inputs)
        return std::nullopt;
    return BuildShopScript(*inputs, shopItems());
}

bool ShopWindow::hasInput() const
{
    return m_inputs->hasInput() || m_list->topLevelItemCount() > 0;
}

void ShopWindow::showContainerTab(const QString &tag, int buttonIndex)
{
    for (int i = 0; i < m_pages->count(); ++i) {
        if (m_pages->widget(i)->property("tag").toString() == tag) {
            m_pages->setCurrentIndex(i);
            break;
        }
    }
    // The pressed button always matches the page in front.
    for (int i = 0; i < m_tabButtons.size(); ++i)
        m_tabButtons.at(i)->setChecked(i == buttonIndex);
}

void ShopWindow::updateItemButtons()
{
    const bool hasRows = m_list->topLevelItemCount() > 0;
    m_editSelected->setEnabled(hasRows);
    m_removeSelected->setEnabled(hasRows);
    m_clearAll->setEnabled(hasRows);
}

void ShopWindow::addNewItems()
{
    appendItems(m_pickItems(m_items, this, dialogs(), context().SettingsPath));
    updateItemButtons();
}

void ShopWindow::editSelected()
{
    QTreeWidgetItem *row = m_list->currentItem();
    if (!row || !row->isSelected()) {
        const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
        row = selected.isEmpty() ? nullptr : selected.first();
    }
    if (!row)
        return;
    const std::optional<QString> answer =
        dialogs().inputText(this, EditPriceTitle(), EditPricePrompt(row->text(1)), row->text(2));
    if (!answer)
        return;
    if (const std::optional<QString> price = EditedPrice(answer)) {
        row->setText(2, *price);
        return;
    }
    ReportInputProblem(PriceProblemText(row->text(1)), m_list, dialogs());
}

void ShopWindow::removeSelected()
{
    const MsgBoxAnswer answer = dialogs().msgBoxEx(MsgBoxExRequest{
        QStringLiteral("Remove all of the selected items from the list?"), MsgBoxIcon::Question, MsgBoxButtons::YesNo,
        QStringLiteral("Remove Selected..")});
    if (answer != MsgBoxAnswer::Yes)
        return;
    for (int row = m_list->topLevelItemCount() - 1; row >= 0; --row) {
        if (m_list->topLevelItem(row)->isSelected())
            delete m_list->takeTopLevelItem(row);
    }
    updateItemButtons();
}

void ShopWindow::clearAll()
{
    const MsgBoxAnswer answer = dialogs().msgBoxEx(MsgBoxExRequest{
        QStringLiteral("Clear all of the items from the list?"), MsgBoxIcon::Question, MsgBoxButtons::YesNo,
        QStringLiteral("Clear All..")});
    if (answer != MsgBoxAnswer::Yes)
        return;
    m_list->clear();
    updateItemButtons();
}
