// A behaviour attached to the text area as an object of its own, switched on and off by itself.
#pragma once

#include <QByteArray>
#include <QObject>

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
    // A copy of the text's UTF-8 bytes, for work done away from the control.
    QByteArray textSnapshot() const;

private:
    EditControl &m_control;
    bool m_active = false;
};
