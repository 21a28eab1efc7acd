// ScriptOutline: keeps a model of the script's blocks and labels, rebuilt after typing pauses.
#pragma once

#include "edit_feature.h"

#include <QTimer>

#include <memory>

#include "script_model.h"

class ScriptAnalyser;
struct ScriptResources;

class ScriptOutline : public EditFeature
{
    Q_OBJECT

public:
    // How long typing must pause before the model is rebuilt: below 300 ms, so that a script of
    // common size is outlined within 300 ms of the last key.
    static constexpr int PauseMilliseconds = 250;

    // Attaches to control switched off.
    ScriptOutline(EditControl &control, std::shared_ptr<const ScriptResources> resources);

    // The latest model; empty before the first one is built.
    const ScriptModel &model() const;
    std::shared_ptr<const ScriptModel> modelPointer() const;
    // Puts the caret at the start of line, shows the line near the top and gives the text the focus.
    void goToLine(int line);

Q_SIGNALS:
    void modelChanged(const ScriptModel &model);
    // The caret moved to another line (counted from 0).
    void caretLineChanged(int line);

private:
    void start();
    void stop();
    void textChanged();

    ScriptAnalyser *m_analyser = nullptr;
    QTimer m_pause;
    std::shared_ptr<const ScriptModel> m_model;
    int m_caretLine = -1;
    QMetaObject::Connection m_textChanged;
    QMetaObject::Connection m_caretMoved;
};
