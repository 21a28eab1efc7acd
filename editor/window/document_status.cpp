// The title and the status panels that follow the open script.
#include "document_status.h"

#include <QFileInfo>
#include <QWidget>

#include "document.h"
#include "east_asian_codec.h"
#include "edit_control.h"
#include "status_bar.h"

QString ScriptWindowTitle(const QString &caption, const QString &fileName, bool modified)
{
    if (fileName.isEmpty())
        return caption;
    const QString name = QFileInfo(fileName).fileName();
    return (modified ? QStringLiteral("*") : QString()) + name + QStringLiteral(" - ") + caption;
}

DocumentStatus::DocumentStatus(QWidget &window, Document &document, EditControl &control, StatusBar &status)
    : QObject(&window)
    , m_window(window)
    , m_document(document)
    , m_control(control)
    , m_status(status)
    , m_caption(window.windowTitle())
{
    connect(&m_document, &Document::modifiedChanged, this, &DocumentStatus::showTitle);
    connect(&m_document, &Document::scriptFileUsed, this, &DocumentStatus::showTitle);
    connect(&m_control, &QsciScintilla::cursorPositionChanged, this,
            [this](int line, int index) { m_status.showCaretPosition(line + 1, index + 1); });
    connect(&m_control, &EditControl::encodingChanged, this,
            [this](TextEncoding encoding) { m_status.setEncodingText(EncodingName(encoding)); });
    // A message belongs to the action that gave it; once the text changes it would mislead.
    // Commands that edit and then report give their message after the edit, so it stays.
    connect(&m_control, &EditControl::textEdited, &m_status, &StatusBar::clearActionMessage);
    m_status.setEncodingText(EncodingName(m_control.encoding()));
    showTitle();
}

void DocumentStatus::showTitle()
{
    m_window.setWindowTitle(ScriptWindowTitle(m_caption, m_document.scriptFileName(), m_document.scriptModified()));
}
