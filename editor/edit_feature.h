// A behaviour attached to the text area as an object of its own, switched on and off by itself.
#pragma once

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

protected:
    EditControl &control() const;
    // Called on each change of the switch, never twice in a row for the same state.
    virtual void activate() = 0;
    virtual void deactivate() = 0;

private:
    EditControl &m_control;
    bool m_active = false;
};
