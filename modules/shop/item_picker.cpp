// Listing, searching, ticking and handing over the items of the picker.
#include "item_picker.h"

#include "dialog_seam.h"
#include "input_checks.h"
#include "input_frames.h"
#include "item_search.h"
#include "module_pictures.h"
#include "module_settings.h"
#include "rule_line.h"
#include "widget_names.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

ItemListModel::ItemListModel(const ItemTable &table, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_filter(FilterAll)
    , m_ticked(size_t(table.rows.size()), 0)
{
    for (const ItemRecord &record : m_table.rows) {
        if (record.listable && !ItemDisplayName(record).trimmed().isEmpty()) {
            m_hasDisplayNames = true;
            break;
        }
    }
    m_rows = SearchedItemRows(m_table, m_filter, m_search);
}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ItemListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const qsizetype tableRow = m_rows.at(index.row());
    const ItemRecord &record = m_table.rows.at(tableRow);
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case IdColumn: return record.id();
        case NameColumn: return record.name();
        case DisplayNameColumn: return ItemDisplayName(record).toString();
        case PriceColumn: return priceOf(tableRow);
        default: return {};
        }
    }
    if (role == Qt::CheckStateRole && index.column() == IdColumn)
        return m_ticked[size_t(tableRow)] ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool ItemListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != IdColumn || role != Qt::CheckStateRole || index.row() >= m_rows.size())
        return false;
    m_ticked[size_t(m_rows.at(index.row()))] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == IdColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case IdColumn: return QStringLiteral("Item ID");
    case NameColumn: return QStringLiteral("Item Name");
    case DisplayNameColumn: return QStringLiteral("Display Name");
    case PriceColumn: return QStringLiteral("Price");
    default: return {};
    }
}

void ItemListModel::setFilter(int filterValue)
{
    m_filter = filterValue;
    refill();
}

void ItemListModel::setSearch(const QString &search)
{
    m_search = search;
    refill();
}

void ItemListModel::refill()
{
    beginResetModel();
    m_rows = SearchedItemRows(m_table, m_filter, m_search);
    endResetModel();
}

void ItemListModel::clearTicks()
{
    std::fill(m_ticked.begin(), m_ticked.end(), 0);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, IdColumn), index(int(m_rows.size()) - 1, IdColumn), {Qt::CheckStateRole});
}

void ItemListModel::toggleTick(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    const bool ticked = m_ticked[size_t(m_rows.at(row))];
    setData(index(row, IdColumn), ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void ItemListModel::setPrice(int row, const QString &price)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_prices.insert(m_rows.at(row), price);
    emit dataChanged(index(row, PriceColumn), index(row, PriceColumn), {Qt::DisplayRole});
}

QList<ShopItem> ItemListModel::tickedItems() const
{
    QList<ShopItem> items;
    for (qsizetype row = 0; row < m_table.rows.size(); ++row) {
        if (!m_ticked[size_t(row)])
            continue;
        const ItemRecord &record = m_table.rows.at(row);
        items.append(ShopItem{record.id(), record.name(), priceOf(row)});
    }
    return items;
}

qsizetype ItemListModel::tickedCount() const
{
    return std::count(m_ticked.begin(), m_ticked.end(), 1);
}

bool ItemListModel::hasDisplayNames() const
{
    return m_hasDisplayNames;
}

QString ItemListModel::priceOf(qsizetype tableRow) const
{
    const auto edited = m_prices.constFind(tableRow);
    return edited != m_prices.cend() ? *edited : QString::number(m_table.rows.at(tableRow).price);
}

ItemPicker::ItemPicker(const ItemTable &table, DialogSeam &dialogs, const QString &settingsPath, QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("wItemsList"));
    setWindowTitle(QStringLiteral("Items"));

    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    auto *picture = nameWidget(new QLabel(this), QStringLiteral("imgHeader"), QStringLiteral("Shop keeper"));
    picture->setPixmap(characterPicture());
    auto *instructions = nameWidget(
        new QLabel(QStringLiteral("Select any items you would like to add to your shop by placing a checkmark next to "
                                  "each item. To help you find items quicker, use the filter dropdown menu below."),
                   this),
        QStringLiteral("labHeader"));
    instructions->setWordWrap(true);
    header->addWidget(picture);
    header->addWidget(instructions, 1);
    layout->addLayout(header);

    auto *findRow = new QHBoxLayout;
    m_search = nameWidget(new QLineEdit(this), QStringLiteral("txtSearch"), QStringLiteral("Search items"));
    m_search->setPlaceholderText(QStringLiteral("Search by ID or name"));
    m_search->setAccessibleDescription(QStringLiteral("Lists only the items whose ID starts with, or whose name "
                                                      "holds, what you type"));
    m_search->setClearButtonEnabled(true);
    m_filter = nameWidget(new QComboBox(this), QStringLiteral("cboFilter"), QStringLiteral("Item type"));
    findRow->addWidget(m_search, 1);
    findRow->addWidget(m_filter);
    layout->addLayout(findRow);

    m_model = new ItemListModel(table, this);
    m_list = nameWidget(new QTreeView(this), QStringLiteral("lvwItems"), QStringLiteral("Items"));
    m_list->setAccessibleDescription(QStringLiteral("Space ticks an item; a double-click edits its price"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    m_list->header()->resizeSection(ItemListModel::IdColumn, 90);
    m_list->header()->resizeSection(ItemListModel::NameColumn, 170);
    m_list->header()->resizeSection(ItemListModel::DisplayNameColumn, 170);
    m_list->setColumnHidden(ItemListModel::DisplayNameColumn, !m_model->hasDisplayNames());
    m_list->installEventFilter(this);
    layout->addWidget(m_list, 1);

    m_count = nameWidget(new QLabel(this), QStringLiteral("labCount"));
    layout->addWidget(m_count);

    auto *rule = new MultiRule(this);
    rule->setObjectName(QStringLiteral("MultiRule1"));
    rule->setOrientation(MultiRule::Orientation::Horizontal);
    layout->addWidget(rule);

    auto *buttons = new QHBoxLayout;
    auto *deselect = nameWidget(new QPushButton(QStringLiteral("Deselect selected items"), this),
                                QStringLiteral("cmdDeselectItems"), QStringLiteral("Deselect selected items"));
    deselect->setAccessibleDescription(QStringLiteral("Remove every tick, in every filter"));
    auto *add = nameWidget(new QPushButton(QStringLiteral("Add selected items"), this),
                           QStringLiteral("cmdAddSelectedItems"), QStringLiteral("Add selected items"));
    add->setAccessibleDescription(QStringLiteral("Add every ticked item to the shop"));
    add->setDefault(true);
    buttons->addWidget(deselect);
    buttons->addStretch(1);
    buttons->addWidget(add);
    layout->addLayout(buttons);

    setTabOrder(m_search, m_filter);
    setTabOrder(m_filter, m_list);
    setTabOrder(m_list, deselect);
    setTabOrder(deselect, add);

    connect(m_filter, &QComboBox::currentIndexChanged, this, &ItemPicker::filterChanged);
    connect(m_search, &QLineEdit::textChanged, m_model, &ItemListModel::setSearch);
    connect(deselect, &QPushButton::clicked, m_model, &ItemListModel::clearTicks);
    connect(add, &QPushButton::clicked, this, &ItemPicker::addSelectedItems);
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) { editPrice(index.row()); });
    connect(m_model, &QAbstractItemModel::modelReset, this, &ItemPicker::updateCount);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &ItemPicker::updateCount);

    // The filter chosen last time comes back.
    const int lastFilter = ModuleSettings(m_settingsPath).itemFilter();
    m_filterLoading = true;
    for (const ItemFilter &filter : ItemFilters())
        m_filter->addItem(filter.caption, filter.value);
    m_filter->setCurrentIndex(qMax(0, m_filter->findData(lastFilter)));
    m_filterLoading = false;
    m_model->setFilter(m_filter->currentData().toInt());

    m_search->setFocus();
    resize(600, 440);
}

QList<ShopItem> ItemPicker::chosenItems() const
{
    return m_chosen;
}

ItemListModel *ItemPicker::model() const
{
    return m_model;
}

void ItemPicker::editPrice(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QString name = m_model->index(row, ItemListModel::NameColumn).data().toString();
    const QString price = m_model->index(row, ItemListModel::PriceColumn).data().toString();
    const std::optional<QString> answer = m_dialogs.inputText(this, EditPriceTitle(), EditPricePrompt(name), price);
    if (!answer)
        return;
    if (const std::optional<QString> edited = EditedPrice(answer)) {
        m_model->setPrice(row, *edited);
        return;
    }
    m_dialogs.msgBoxEx(MsgBoxExRequest{PriceProblemText(name), MsgBoxIcon::Warning, MsgBoxButtons::Okay,
                                       InputProblemTitle()});
}

bool ItemPicker::eventFilter(QObject *watched, QEvent *event)
{
    // Space ticks the current row whichever column has the focus.
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        m_model->toggleTick(m_list->currentIndex().row());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ItemPicker::filterChanged()
{
    if (m_filterLoading)
        return;
    const int value = m_filter->currentData().toInt();
    ModuleSettings(m_settingsPath).setItemFilter(value);
    m_model->setFilter(value);
}

void ItemPicker::updateCount()
{
    m_count->setText(QStringLiteral("%1 items listed, %2 ticked").arg(m_model->rowCount()).arg(m_model->tickedCount()));
}

void ItemPicker::addSelectedItems()
{
    m_chosen = m_model->tickedItems();
    accept();
}
