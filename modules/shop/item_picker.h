// The item picker wItemsList: the database's items by type, with tick boxes, for the shop list.
#pragma once

#include "item_database.h"
#include "shop_script.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

class QComboBox;
class QTreeView;

// The listed items of a table under one filter, with a tick box in front of every row.
class ItemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ItemListModel(const ItemTable &table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Lists the items passing filterValue afresh; every tick is dropped.
    void setFilter(int filterValue);
    void clearTicks();
    // The ticked rows as shop items (price as decimal digits), in list order.
    QList<ShopItem> tickedItems() const;

private:
    ItemTable m_table;
    QList<qsizetype> m_rows;       // table rows in list order
    std::vector<char> m_ticked;    // one flag per listed row
};

class ItemPicker : public QDialog
{
    Q_OBJECT

public:
    explicit ItemPicker(const ItemTable &table, QWidget *parent = nullptr);

    // What "Add selected items" took; empty when the picker closed otherwise.
    QList<ShopItem> chosenItems() const;
    ItemListModel *model() const;

private:
    void filterChanged();
    void addSelectedItems();

    ItemListModel *m_model = nullptr;
    QComboBox *m_filter = nullptr;
    QTreeView *m_list = nullptr;
    // Set while the filter entries are being added, so that their selection lists nothing twice.
    bool m_filterLoading = false;
    QList<ShopItem> m_chosen;
};
