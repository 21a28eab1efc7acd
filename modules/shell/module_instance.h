// One window of each module per editor: a second start hands over to the first and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

class ModuleInstance : public QObject
{
    Q_OBJECT

public:
    // The module programName started for the editor numbered editorHwnd. Without an editor (0)
    // every start is a module of its own.
    ModuleInstance(qint32 editorHwnd, const QString &programName, QObject *parent = nullptr);

    // True when the same module already runs for this editor and has been asked to come to the
    // front; this start should then end quietly.
    bool handedOver() const;

Q_SIGNALS:
    // Another start of the same module for the same editor wants this window in front.
    void frontRequested();

private:
    QLocalServer *m_server = nullptr;
    bool m_handedOver = false;
};

// Where the module programName for the editor numbered editorHwnd listens; "" without a place.
QString ModuleInstancePath(qint32 editorHwnd, const QString &programName);
