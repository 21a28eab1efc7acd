// The main window's menu items and toolbar buttons found by their object names, as a person's tools find them.
#pragma once

#include <QAction>
#include <QToolButton>
#include <QWidget>

inline QAction *menuItem(const QWidget &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

inline QToolButton *toolbarButton(const QWidget &window, const QString &name)
{
    return window.findChild<QToolButton *>(name);
}
