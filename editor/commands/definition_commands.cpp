// Go to Definition and Find References over the analysis of the open script and the cross-file index.
#include "definition_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>

#include "analysis_service.h"
#include "document.h"
#include "edit_control.h"
#include "references_panel.h"
#include "script_indexer.h"
#include "script_symbols.h"
#include "text_codec.h"

namespace {

// The lines wanted of one file, as they read; a file that cannot be read gives empty lines.
QMap<int, QString> readLines(const QString &path, const QList<int> &lines)
{
    QMap<int, QString> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    const QByteArray bytes = file.readAll();
    int line = 0;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= bytes.size(); ++at) {
        const bool end = at == bytes.size();
        if (!end && bytes[at] != '\n' && bytes[at] != '\r')
            continue;
        if (lines.contains(line))
            texts.insert(line, TextCodec::decode(bytes.mid(start, at - start)).trimmed());
        // CR LF is one line end.
        if (!end && bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n')
            ++at;
        ++line;
        start = at + 1;
    }
    return texts;
}

} // namespace

DefinitionCommands::DefinitionCommands(EditControl &control, AnalysisService &analysis, ScriptIndexer &indexer,
                                       Document &document, ReferencesPanel &panel, QObject *parent)
    : QObject(parent)
    , m_control(control)
    , m_analysis(analysis)
    , m_indexer(indexer)
    , m_document(document)
    , m_panel(panel)
{
    connect(&m_analysis, &AnalysisService::modelReady, this, &DefinitionCommands::analysed);
    connect(&m_control, &EditControl::textEdited, this, [this] { m_pending = Lookup::None; });
    connect(&m_panel, &ReferencesPanel::referenceChosen, this, &DefinitionCommands::goToReference);
    connect(&m_document, &Document::scriptReplaced, &m_panel, &ReferencesPanel::dropUntitledRows);
}

DefinitionCommands::~DefinitionCommands() = default;

void DefinitionCommands::goToDefinition()
{
    lookUp(Lookup::Definition);
}

void DefinitionCommands::findReferences()
{
    lookUp(Lookup::References);
}

void DefinitionCommands::lookUp(Lookup lookup)
{
    const std::shared_ptr<const AnalysedText> latest = m_analysis.latest();
    if (latest->revision == m_analysis.revision()) {
        m_pending = Lookup::None;
        run(lookup, *latest);
        return;
    }
    m_pending = lookup;
    m_analysis.request();
}

void DefinitionCommands::analysed(const std::shared_ptr<const AnalysedText> &text)
{
    const Lookup pending = std::exchange(m_pending, Lookup::None);
    if (pending != Lookup::None)
        run(pending, *text);
}

QString DefinitionCommands::openPath() const
{
    const QString path = m_document.scriptFileName();
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

QString DefinitionCommands::wordAtCaret() const
{
    int line = 0;
    int column = 0;
    m_control.getCursorPosition(&line, &column);
    QString word = m_control.wordAtLineIndex(line, column);
    // Just after a word the caret still names it.
    if (word.isEmpty() && column > 0)
        word = m_control.wordAtLineIndex(line, column - 1);
    return word;
}

void DefinitionCommands::run(Lookup lookup, const AnalysedText &text)
{
    int line = 0;
    int column = 0;
    m_control.getCursorPosition(&line, &column);
    const ScriptSymbol symbol = SymbolAt(text.model, line, column);
    const QString name = symbol.kind == SymbolKind::None ? wordAtCaret() : QString::fromStdString(symbol.name);
    const QString open = openPath();
    const std::shared_ptr<const ScriptIndex> index = m_indexer.index();
    const SymbolScope scope{&text.model, open.toStdString(), index.get()};

    if (lookup == Lookup::Definition) {
        const std::optional<SymbolPlace> place = FindDefinition(symbol, scope);
        if (!place) {
            Q_EMIT statusText(name.isEmpty() ? QStringLiteral("No name at the caret to go to.")
                                             : QStringLiteral("No definition found for '%1'.").arg(name));
            return;
        }
        const QString path = QString::fromStdString(place->path);
        // The open script's places carry its path; untitled, they carry none.
        if (m_document.showScriptPlace(path == open ? QString() : path, place->line, place->column, place->length))
            Q_EMIT statusText(QStringLiteral("Definition of '%1': %2, line %3.")
                                  .arg(name, path.isEmpty() ? QStringLiteral("(untitled)") : QFileInfo(path).fileName())
                                  .arg(place->line + 1));
        return;
    }

    if (symbol.kind == SymbolKind::None) {
        Q_EMIT statusText(name.isEmpty() ? QStringLiteral("No name at the caret to find references of.")
                                         : QStringLiteral("No references found for '%1'.").arg(name));
        return;
    }
    // The open script's lines come from the text being edited; the other files' are read away
    // from the UI thread, and the panel is filled once they are.
    QList<ReferenceRow> rows;
    QMap<QString, QList<int>> wanted;
    for (const SymbolPlace &place : FindReferences(symbol, scope)) {
        ReferenceRow row{QString::fromStdString(place.path), place.line, place.column, place.length, QString()};
        if (row.path == open)
            row.text = m_control.text(row.line).trimmed();
        else
            wanted[row.path] << row.line;
        rows << row;
    }
    const quint64 serial = ++m_serial;
    if (wanted.isEmpty()) {
        showReferences(serial, name, rows);
        return;
    }
    m_lines.submit(AnalysisWorker::Lane::Model, [this, serial, name, rows, wanted](const std::atomic<bool> &cancelled) {
        QList<ReferenceRow> filled = rows;
        QMap<QString, QMap<int, QString>> texts;
        for (auto it = wanted.begin(); it != wanted.end(); ++it) {
            if (cancelled)
                return;
            texts.insert(it.key(), readLines(it.key(), it.value()));
        }
        for (ReferenceRow &row : filled)
            if (texts.contains(row.path))
                row.text = texts[row.path].value(row.line);
        QMetaObject::invokeMethod(this, [this, serial, name, filled] { showReferences(serial, name, filled); },
                                  Qt::QueuedConnection);
    });
}

void DefinitionCommands::showReferences(quint64 serial, const QString &name, const QList<ReferenceRow> &rows)
{
    if (serial != m_serial)
        return;
    m_panel.showReferences(name, rows);
    Q_EMIT statusText(rows.size() == 1 ? QStringLiteral("1 reference to '%1'.").arg(name)
                                       : QStringLiteral("%1 references to '%2'.").arg(rows.size()).arg(name));
}

void DefinitionCommands::goToReference(const ReferenceRow &row)
{
    m_document.showScriptPlace(row.path == openPath() ? QString() : row.path, row.line, row.column, row.length);
}
