// Bartlow's window: the shared inputs on one page, the items in the shop on the other.
#pragma once

#include "item_database.h"
#include "module_window.h"
#include "shared_inputs.h"
#include "shop_script.h"

#include <functional>
#include <memory>

class QPushButton;
class QStackedWidget;
class QToolButton;
class QTreeWidget;

// Shows the item picker over owner and gives back the items chosen with "Add selected items"; the
// picker asks through dialogs and keeps its filter in the settings file at settingsPath.
using ItemPickerRunner = std::function<QList<ShopItem>(const ItemTable &table, QWidget *owner, DialogSeam &dialogs,
                                                       const QString &settingsPath)>;

// The picker shown modally; closing it otherwise chooses nothing.
QList<ShopItem> RunItemPicker(const ItemTable &table, QWidget *owner, DialogSeam &dialogs, const QString &settingsPath);

// The box shown when the item database cannot be read.
QString ItemDatabaseErrorTitle();
QString ItemDatabaseErrorText(const QString &reason);

// The item database at path; a file that cannot be read is told through dialogs and gives an
// empty table, so the module still opens.
ItemTable LoadItems(const QString &path, DialogSeam &dialogs);

class ShopWindow : public ModuleWindow
{
    Q_OBJECT

public:
    ShopWindow(const ModuleContext &context, DialogSeam &dialogs, const ItemTable &items,
               CommandSender send = SendToEditor, ItemPickerRunner pickItems = RunItemPicker,
               QWidget *parent = nullptr);

    // The rows of the shop list, first to last.
    QList<ShopItem> shopItems() const;
    // Appends rows at the end of the shop list; the same item may be there more than once.
    void appendItems(const QList<ShopItem> &items);

    bool hasInput() const override;

protected:
    std::optional<QString> buildScript() override;

private:
    // Brings the page tagged tag to the front and presses the tab button buttonIndex.
    void showContainerTab(const QString &tag, int buttonIndex);
    void updateItemButtons();
    void addNewItems();
    void editSelected();
    void removeSelected();
    void clearAll();

    const InputCaptions m_captions{QStringLiteral("Name of this NPC Shop"),
                                   QStringLiteral("Location of this NPC Shop - Map Name")};
    ItemTable m_items;
    ItemPickerRunner m_pickItems;
    std::unique_ptr<SharedInputs> m_inputs;
    QList<QToolButton *> m_tabButtons;
    QStackedWidget *m_pages = nullptr;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_addNew = nullptr;
    QPushButton *m_editSelected = nullptr;
    QPushButton *m_removeSelected = nullptr;
    QPushButton *m_clearAll = nullptr;
};
