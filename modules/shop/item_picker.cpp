// Listing, ticking and handing over the items of the picker.
#include "item_picker.h"

#include "module_pictures.h"
#include "rule_line.h"
#include "widget_names.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

ItemListModel::ItemListModel(const ItemTable &table, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
{
}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ItemListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const ItemRecord &record = m_table.rows.at(m_rows.at(index.row()));
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return record.id();
        case 1:
            return record.name();
        default:
            return QString::number(record.price);
        }
    }
    if (role == Qt::CheckStateRole && index.column() == 0)
        return m_ticked[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool ItemListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole || index.row() >= m_rows.size())
        return false;
    m_ticked[size_t(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return QStringLiteral("Item ID");
    case 1:
        return QStringLiteral("Item Name");
    case 2:
        return QStringLiteral("Price");
    default:
        return {};
    }
}

void ItemListModel::setFilter(int filterValue)
{
    beginResetModel();
    m_rows = FilteredItemRows(m_table, filterValue);
    m_ticked.assign(size_t(m_rows.size()), 0);
    endResetModel();
}

void ItemListModel::clearTicks()
{
    for (qsizetype row = m_rows.size() - 1; row >= 0; --row) {
        if (m_ticked[size_t(row)])
            setData(index(int(row), 0), Qt::Unchecked, Qt::CheckStateRole);
    }
}

QList<ShopItem> ItemListModel::tickedItems() const
{
    QList<ShopItem> items;
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        if (!m_ticked[size_t(row)])
            continue;
        const ItemRecord &record = m_table.rows.at(m_rows.at(row));
        items.append(ShopItem{record.id(), record.name(), QString::number(record.price)});
    }
    return items;
}

ItemPicker::ItemPicker(const ItemTable &table, QWidget *parent)
    : QDialog(parent)
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

    m_filter = nameWidget(new QComboBox(this), QStringLiteral("cboFilter"), QStringLiteral("Item type"));
    layout->addWidget(m_filter);

    m_model = new ItemListModel(table, this);
    m_list = nameWidget(new QTreeView(this), QStringLiteral("lvwItems"), QStringLiteral("Items"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setModel(m_model);
    m_list->header()->resizeSection(0, 90);
    m_list->header()->resizeSection(1, 240);
    layout->addWidget(m_list, 1);

    auto *rule = new MultiRule(this);
    rule->setObjectName(QStringLiteral("MultiRule1"));
    rule->setOrientation(MultiRule::Orientation::Horizontal);
    layout->addWidget(rule);

    auto *buttons = new QHBoxLayout;
    auto *deselect = nameWidget(new QPushButton(QStringLiteral("Deselect selected items"), this),
                                QStringLiteral("cmdDeselectItems"), QStringLiteral("Deselect selected items"));
    auto *add = nameWidget(new QPushButton(QStringLiteral("Add selected items"), this),
                           QStringLiteral("cmdAddSelectedItems"), QStringLiteral("Add selected items"));
    add->setDefault(true);
    buttons->addWidget(deselect);
    buttons->addStretch(1);
    buttons->addWidget(add);
    layout->addLayout(buttons);

    setTabOrder(m_filter, m_list);
    setTabOrder(m_list, deselect);
    setTabOrder(deselect, add);

    connect(m_filter, &QComboBox::currentIndexChanged, this, &ItemPicker::filterChanged);
    connect(deselect, &QPushButton::clicked, m_model, &ItemListModel::clearTicks);
    connect(add, &QPushButton::clicked, this, &ItemPicker::addSelectedItems);

    m_filterLoading = true;
    for (const ItemFilter &filter : ItemFilters())
        m_filter->addItem(filter.caption, filter.value);
    m_filter->setCurrentIndex(0);
    m_filterLoading = false;
    m_model->setFilter(FilterAll);

    m_filter->setFocus();
    resize(520, 460);
}

QList<ShopItem> ItemPicker::chosenItems() const
{
    return m_chosen;
}

ItemListModel *ItemPicker::model() const
{
    return m_model;
}

void ItemPicker::filterChanged()
{
    if (m_filterLoading)
        return;
    m_model->setFilter(m_filter->currentData().toInt());
}

void ItemPicker::addSelectedItems()
{
    m_chosen = m_model->tickedItems();
    accept();
}
