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

QByteArray EditFeature::textSnapshot() const
{
    const auto *text = static_cast<const char *>(m_control.SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    const qint64 length = m_control.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    return QByteArray(text, qsizetype(length));
}
