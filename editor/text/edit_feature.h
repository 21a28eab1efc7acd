// A behaviour attached to the text area as an object of its own, switched on and off by itself.
#pragma once

#include <QByteArray>
#include <QObject>

#include <functional>

class EditControl;

class EditFeature : public QObject
{
    Q_OBJECT

public:
    // Attaches to control, which owns the feature; it starts switched off.
    explicit EditFeature(EditControl &control);

    bool isActive() const;
    void setActive(bool active);

Q_SIGNALS:
    // On each change of the switch, never twice in a row for the same state; a feature
    // connects its own start and stop to it.
    void activeChanged(bool active);

protected:
    EditControl &control() const;
    // Copies the text's UTF-8 bytes a piece per turn of the event loop, so a large text never
    // holds the UI thread up, and hands the copy to ready, for work done away from the control.
    // A change of the text meanwhile starts the copy over; a new call replaces an unfinished one.
    void takeSnapshot(std::function<void(QByteArray)> ready);
    void cancelSnapshot();

private:
    void copyPiece();
    void restartSnapshot();

    EditControl &m_control;
    bool m_active = false;
    QByteArray m_snapshot;
    qsizetype m_copied = -1;      // bytes copied so far, -1 while no copy is under way
    bool m_copyQueued = false;
    std::function<void(QByteArray)> m_ready;
    QMetaObject::Connection m_textChanged;
};
