// The texts of a combo box's items, in order, for comparing a list with what it should show.
#pragma once

#include <QComboBox>
#include <QStringList>

inline QStringList comboItems(const QComboBox &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.itemText(i);
    return texts;
}
