// Go to Definition and Find References: from the name at the caret to where it is defined, in
// the open script or another file of the project or folder, and to every place that uses it.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "analysis_worker.h"

class AnalysisService;
class Document;
class EditControl;
class ReferencesPanel;
class ScriptIndexer;
struct AnalysedText;
struct ReferenceRow;

class DefinitionCommands : public QObject
{
    Q_OBJECT

public:
    // The open script is read from analysis, the other files from indexer's latest index.
    DefinitionCommands(EditControl &control, AnalysisService &analysis, ScriptIndexer &indexer, Document &document,
                       ReferencesPanel &panel, QObject *parent = nullptr);
    ~DefinitionCommands() override;

    // Both look at the text as it is: while its analysis is behind, they wait for the next one.
    // An edit before it comes drops the look-up, since the caret has moved on.
    void goToDefinition();
    void findReferences();
    // Opens a reference's place, asking about unsaved changes first when it is in another file.
    void goToReference(const ReferenceRow &row);

Q_SIGNALS:
    void statusText(const QString &text);

private:
    enum class Lookup { None, Definition, References };

    void lookUp(Lookup lookup);
    void analysed(const std::shared_ptr<const AnalysedText> &text);
    void run(Lookup lookup, const AnalysedText &text);
    void showReferences(quint64 serial, const QString &name, const QList<ReferenceRow> &rows);
    QString openPath() const;
    // The word at the caret, for telling the user what was looked for.
    QString wordAtCaret() const;

    EditControl &m_control;
    AnalysisService &m_analysis;
    ScriptIndexer &m_indexer;
    Document &m_document;
    ReferencesPanel &m_panel;
    Lookup m_pending = Lookup::None;
    quint64 m_serial = 0;           // tells the latest Find References from older ones
    AnalysisWorker m_lines;         // reads the other files' lines of a reference list; last: it goes first
};
