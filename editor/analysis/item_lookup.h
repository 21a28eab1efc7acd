// ItemLookup: resting the mouse on a whole number shows the item database's item of that ID.
#pragma once

#include "edit_feature.h"

#include <QHash>
#include <QString>

#include <memory>

class AnalysisService;

// "ID: name (type, price)" for every item of an item database's table, by ID.
QHash<QString, QString> ItemTips(const QString &itemDatabasePath);

class ItemLookup : public EditFeature
{
    Q_OBJECT

public:
    // Attaches to control switched on and has analysis read the item database on its worker, with
    // the shop module's reader; a missing file means no tips and no message.
    ItemLookup(EditControl &control, AnalysisService &analysis, const QString &itemDatabasePath);

    bool isLoaded() const;
    // The tip for the whole number at a byte position; empty where there is none.
    QString tipAt(int position) const;

private:
    void showTip(int position, int x, int y);

    std::shared_ptr<const QHash<QString, QString>> m_tips;   // null until loaded
};
