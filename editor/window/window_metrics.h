// Storing and restoring the main window's outer bounds, in twips, in Settings.ini.
#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include "twips.h"

class QWidget;

// How a bound is written: a whole number, "-" when negative, no blanks or separators.
QString TwipsToText(int twips);

// Reads the four "Window Metrics" keys, each defaulting to the matching bound of current.
QRect ReadWindowBounds(const QString &iniFile, const QRect &currentTwips);
void WriteWindowBounds(const QString &iniFile, const QRect &boundsTwips);

// Bounds (pixels) wholly outside every screen open at designedSize centred on primary instead;
// bounds that touch a screen are kept as they are.
QRect KeepOnScreen(const QRect &bounds, const QList<QRect> &screens, const QRect &primary,
                   const QSize &designedSize);

// Applies the stored bounds to a top-level window before it is first shown.
void LoadWindowMetrics(QWidget *window, const QString &iniFile);
// Stores the window's outer bounds unless it is minimized.
void SaveWindowMetrics(QWidget *window, const QString &iniFile);
