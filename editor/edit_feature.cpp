// The switch every feature of the text area shares.
#include "edit_feature.h"

#include "edit_control.h"

EditFeature::EditFeature(EditControl &control)
    : QObject(&control)
    , m_control(control)
{
}

bool EditFeature::isActive() const
{
    return m_active;
}

void EditFeature::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    Q_EMIT activeChanged(active);
}

EditControl &EditFeature::control() const
{
    return m_control;
}
