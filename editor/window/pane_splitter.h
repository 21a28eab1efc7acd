// The file list left of the text in a splitter: the user drags it wider or narrower, or hides it
// by dragging it to the edge, and the width is kept across runs. The selection lists above the
// text share its width half and half whatever the window's size.
#pragma once

#include <QSplitter>

class QComboBox;
class QTreeWidget;

class PaneSplitter : public QSplitter
{
    Q_OBJECT

public:
    PaneSplitter(QComboBox &fileSelector, QTreeWidget &fileList, QComboBox &npcList, QComboBox &unusedList,
                 QWidget &text, const QString &settingsFile, QWidget *parent = nullptr);

    // Width of the file list in pixels; 0 while it is hidden.
    int fileListWidth() const;
    void setFileListWidth(int pixels);
    // Keeps the width in the settings file once the user has moved the splitter.
    void storeWidth() const;

private:
    QString m_settingsFile;
    bool m_moved = false;
};

// The stored width, in twips as the settings file keeps sizes: designed, or -1 when the value
// is not a width (missing, negative or wider than any screen), so the designed one is used.
int StoredFileListWidth(const QString &value);
