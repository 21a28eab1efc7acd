// The item picker wItemsList: the database's items by type and search, with tick boxes, for the
// shop list.
#pragma once

#include "item_database.h"
#include "shop_script.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QHash>

#include <vector>

class DialogSeam;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeView;

// The listed items of a table under one filter and search, with a tick box in front of every
// row. Ticks and edited prices belong to the items, so they survive a change of filter or search.
class ItemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { IdColumn, NameColumn, DisplayNameColumn, PriceColumn, ColumnCount };

    explicit ItemListModel(const ItemTable &table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Lists the items passing filterValue and matching search afresh.
    void setFilter(int filterValue);
    void setSearch(const QString &search);
    void clearTicks();
    // Ticks the listed row if it is not ticked, unticks it otherwise.
    void toggleTick(int row);
    // The price that the listed row's item goes into the shop with.
    void setPrice(int row, const QString &price);
    // The ticked items, listed or not, as shop items (price as decimal digits unless edited), in
    // file order.
    QList<ShopItem> tickedItems() const;
    qsizetype tickedCount() const;
    // Whether any item of the table has a display name.
    bool hasDisplayNames() const;

private:
    void refill();
    QString priceOf(qsizetype tableRow) const;

    ItemTable m_table;
    int m_filter;
    QString m_search;
    bool m_hasDisplayNames = false;
    QList<qsizetype> m_rows;          // table rows in list order
    std::vector<char> m_ticked;       // one flag per table row
    QHash<qsizetype, QString> m_prices;   // edited prices by table row
};

class ItemPicker : public QDialog
{
    Q_OBJECT

public:
    // The last filter chosen is kept in the settings file at settingsPath ("" keeps nothing).
    ItemPicker(const ItemTable &table, DialogSeam &dialogs, const QString &settingsPath = QString(),
               QWidget *parent = nullptr);

    // What "Add selected items" took; empty when the picker closed otherwise.
    QList<ShopItem> chosenItems() const;
    ItemListModel *model() const;

    // Asks for a new price of the listed row, as a double-click does.
    void editPrice(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filterChanged();
    void updateCount();
    void addSelectedItems();

    DialogSeam &m_dialogs;
    QString m_settingsPath;
    ItemListModel *m_model = nullptr;
    QComboBox *m_filter = nullptr;
    QLineEdit *m_search = nullptr;
    QTreeView *m_list = nullptr;
    QLabel *m_count = nullptr;
    // Set while the filter entries are being added, so that their selection lists nothing twice.
    bool m_filterLoading = false;
    QList<ShopItem> m_chosen;
};
