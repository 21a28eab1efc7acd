// Tests of EditControl: file round trips, open and save failures, line breaks, languages and looks.
#include <QtTest>

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <Qsci/qscilexer.h>

#include <unistd.h>

#include "edit_control.h"
#include "line_number_margin.h"

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

long scintillaColour(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

// A list-driven language stand-in that records when the control asks it to restyle.
class RecordingLexer : public QsciLexer, public ElementStyledLanguage
{
public:
    explicit RecordingLexer(QObject *parent, int *applied)
        : QsciLexer(parent), m_applied(applied) {}
    const char *language() const override { return "Recording"; }
    const char *lexer() const override { return "null"; }
    QString description(int style) const override { return style == 0 ? QStringLiteral("Default") : QString(); }
    void applyColourTheme(const ColourTheme &theme) override
    {
        ++*m_applied;
        setColor(theme.colour(EditorElement::KeywordText), 0);
    }

private:
    int *m_applied;
};

} // namespace

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(LineBreakStyle)

class TestEditControl : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void windows1252TextReadsRight();
    void openFailures_data();
    void openFailures();
    void openKeepsReadOnly();
    void saveToMissingFolderFails();
    void saveAfterTypingReportsUnmodified();
    void insertedTextTakesDocumentLineBreaks_data();
    void insertedTextTakesDocumentLineBreaks();
    void replaceSelectedTextReplacesSelection();
    void windows1252FallsBackToUtf8_data();
    void windows1252FallsBackToUtf8();
    void newDocumentSavesUtf8CrLf();
    void insertFile_data();
    void insertFile();
    void languages_data();
    void languages();
    void unknownLanguageIsRefused();
    void registeringAgainReplaces();
    void basicHighlightsKeywords();
    void registeredLanguageFollowsElements();
    void fontReachesEveryStyle();
    void chromeColoursSurviveLanguageChange();
    void lineNumberMarginGrows();
    void clipboardAbilities();
    void whitespace();
};

void TestEditControl::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<LineBreakStyle>("lineBreaks");

    QTest::newRow("UTF-8, LF") << QByteArray("mes \"H\xC3\xA9llo\";\nclose;\n")
                               << TextEncoding::Utf8 << LineBreakStyle::Lf;
    QTest::newRow("UTF-8, CR LF") << QByteArray("mes \"\xC2\xAC\";\r\nclose;\r\n")
                                  << TextEncoding::Utf8 << LineBreakStyle::CrLf;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFprt\tshop\r\nend;\r\n")
                                    << TextEncoding::Utf8WithBom << LineBreakStyle::CrLf;
    QTest::newRow("BOM only") << QByteArray("\xEF\xBB\xBF") << TextEncoding::Utf8WithBom << LineBreakStyle::CrLf;
    QTest::newRow("Windows-1252, CR LF") << QByteArray("HWND=5\xAC""DUMMY=blah\r\n\x80\x81\x8D\x9F\xE9\xFF\r\n")
                                         << TextEncoding::Windows1252 << LineBreakStyle::CrLf;
    QTest::newRow("Windows-1252, LF") << QByteArray("caf\xE9\nna\xEFve\n") << TextEncoding::Windows1252
                                      << LineBreakStyle::Lf;
    QTest::newRow("CR") << QByteArray("one\rtwo\rthree") << TextEncoding::Utf8 << LineBreakStyle::Cr;
    QTest::newRow("mixed, first CR LF") << QByteArray("a\r\nb\nc\rd\n\r\n") << TextEncoding::Utf8
                                        << LineBreakStyle::CrLf;
    QTest::newRow("mixed, first LF") << QByteArray("a\nb\r\nc\r") << TextEncoding::Utf8 << LineBreakStyle::Lf;
    QTest::newRow("final CR") << QByteArray("abc\r") << TextEncoding::Utf8 << LineBreakStyle::Cr;
    QTest::newRow("empty") << QByteArray() << TextEncoding::Utf8 << LineBreakStyle::CrLf;
    QTest::newRow("no line break") << QByteArray("close;") << TextEncoding::Utf8 << LineBreakStyle::CrLf;
    QTest::newRow("no final line break") << QByteArray("a\r\nb") << TextEncoding::Utf8 << LineBreakStyle::CrLf;
    QTest::newRow("NUL byte") << QByteArray("a\0b\nc", 5) << TextEncoding::Utf8 << LineBreakStyle::Lf;
    QTest::newRow("NUL byte, Windows-1252") << QByteArray("\xAC\0\xAC\r\n", 5) << TextEncoding::Windows1252
                                            << LineBreakStyle::CrLf;
}

void TestEditControl::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(LineBreakStyle, lineBreaks);

    QTemporaryDir dir;
    const QString source = writeFile(dir, QStringLiteral("in.txt"), bytes);
    EditControl control;
    control.setText(QStringLiteral("earlier text"));
    control.setCursorPosition(0, 5);

    QSignalSpy modification(&control, &QsciScintilla::modificationChanged);
    const FileResult opened = control.openFile(source);
    QVERIFY2(opened.ok, qPrintable(opened.error));
    QCOMPARE(control.encoding(), encoding);
    QCOMPARE(control.lineBreakStyle(), lineBreaks);
    QVERIFY(!control.isModified());
    QVERIFY(!modification.isEmpty());
    QCOMPARE(modification.last().at(0).toBool(), false);
    QVERIFY(!control.canUndo());
    const long eolModes[] = {QsciScintillaBase::SC_EOL_CRLF, QsciScintillaBase::SC_EOL_LF, QsciScintillaBase::SC_EOL_CR};
    QCOMPARE(control.SendScintilla(QsciScintillaBase::SCI_GETEOLMODE), eolModes[static_cast<int>(lineBreaks)]);
    int line = -1, column = -1;
    control.getCursorPosition(&line, &column);
    QCOMPARE(line, 0);
    QCOMPARE(column, 0);

    const QString target = dir.filePath(QStringLiteral("out.txt"));
    const FileResult saved = control.saveFile(target);
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QCOMPARE(readFile(target), bytes);
}

void TestEditControl::windows1252TextReadsRight()
{
    QTemporaryDir dir;
    EditControl control;
    QVERIFY(control.openFile(writeFile(dir, QStringLiteral("p.txt"), "HWND=5\xAC""DUMMY=\x80")).ok);
    QCOMPARE(control.text(), QString::fromUtf8("HWND=5\xC2\xAC""DUMMY=\xE2\x82\xAC"));
}

void TestEditControl::openFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing") << "missing" << "The file does not exist.";
    QTest::newRow("folder") << "folder" << "The path is a folder, not a file.";
    QTest::newRow("unreadable") << "unreadable" << "You do not have permission to read the file.";
    QTest::newRow("too large") << "too large" << "The file is too large to open.";
}

void TestEditControl::openFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("none.txt"));
    if (kind == QLatin1String("folder")) {
        path = dir.path();
    } else if (kind == QLatin1String("unreadable")) {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        path = writeFile(dir, QStringLiteral("locked.txt"), "secret");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
    } else if (kind == QLatin1String("too large")) {
        // A sparse file: the size check comes before any reading.
        path = writeFile(dir, QStringLiteral("big.txt"), "x");
        QFile big(path);
        QVERIFY(big.open(QIODevice::ReadWrite));
        if (!big.resize(EditControl::MaxFileSize + 1))
            QSKIP("the file system cannot hold a sparse file that large");
    }

    EditControl control;
    control.setText(QStringLiteral("kept"));
    const FileResult result = control.openFile(path);
    QVERIFY(!result.ok);
    QVERIFY(!result);
    QCOMPARE(result.error, error);
    QCOMPARE(control.text(), QStringLiteral("kept"));
    QVERIFY(control.isModified());
}

void TestEditControl::openKeepsReadOnly()
{
    QTemporaryDir dir;
    EditControl control;
    control.setReadOnly(true);
    QVERIFY(control.openFile(writeFile(dir, QStringLiteral("a.txt"), "abc\n")).ok);
    QCOMPARE(control.text(), QStringLiteral("abc\n"));
    QVERIFY(control.isReadOnly());
}

void TestEditControl::saveToMissingFolderFails()
{
    QTemporaryDir dir;
    EditControl control;
    control.setText(QStringLiteral("text"));
    QVERIFY(control.isModified());
    QSignalSpy modification(&control, &QsciScintilla::modificationChanged);

    const QString target = dir.filePath(QStringLiteral("gone/out.txt"));
    const FileResult result = control.saveFile(target);
    QVERIFY(!result.ok);
    QCOMPARE(result.error, QStringLiteral("The folder for the file does not exist."));
    QVERIFY(control.isModified());
    QVERIFY(modification.isEmpty());
    QVERIFY(!QFile::exists(target));

    QVERIFY(!control.saveFile(dir.path()).ok);
    QVERIFY(control.isModified());
}

void TestEditControl::saveAfterTypingReportsUnmodified()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("s.txt"), "close;\r\n");
    EditControl control;
    QVERIFY(control.openFile(path).ok);
    QSignalSpy modification(&control, &QsciScintilla::modificationChanged);

    QTest::keyClicks(&control, QStringLiteral("end;"));
    QTest::keyClick(&control, Qt::Key_Return);
    QVERIFY(control.isModified());
    QCOMPARE(modification.size(), 1);
    QCOMPARE(modification.at(0).at(0).toBool(), true);

    QVERIFY(control.saveFile(path).ok);
    QVERIFY(!control.isModified());
    QCOMPARE(modification.size(), 2);
    QCOMPARE(modification.at(1).at(0).toBool(), false);
    // Enter types the document's own line break.
    QCOMPARE(readFile(path), QByteArray("end;\r\nclose;\r\n"));
}

void TestEditControl::insertedTextTakesDocumentLineBreaks_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("LF document, CR LF text") << QByteArray("x\n") << "a\r\nb" << QByteArray("a\nbx\n");
    QTest::newRow("CR LF document, mixed text") << QByteArray("x\r\n") << "a\nb\rc\r\n"
                                                << QByteArray("a\r\nb\r\nc\r\nx\r\n");
    QTest::newRow("CR document") << QByteArray("x\r") << "a\r\n\nb" << QByteArray("a\r\rbx\r");
    QTest::newRow("no line break") << QByteArray("x\n") << "mes \"\xC2\xAC\";" << QByteArray("mes \"\xC2\xAC\";x\n");
}

void TestEditControl::insertedTextTakesDocumentLineBreaks()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, inserted);
    QFETCH(QByteArray, saved);

    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("d.txt"), document);
    EditControl control;
    QVERIFY(control.openFile(path).ok);
    control.replaceSelectedText(inserted);
    QVERIFY(control.isModified());
    QVERIFY(control.saveFile(path).ok);
    QCOMPARE(readFile(path), saved);

    // One undo step takes the whole insertion back.
    control.undo();
    QCOMPARE(control.text().toUtf8(), document);
}

void TestEditControl::replaceSelectedTextReplacesSelection()
{
    EditControl control;
    control.setText(QStringLiteral("hello world!"));
    control.setSelection(0, 6, 0, 11);
    control.replaceSelectedText(QStringLiteral("there"));
    QCOMPARE(control.text(), QStringLiteral("hello there!"));
    QVERIFY(!control.hasSelectedText());
    int line = -1, column = -1;
    control.getCursorPosition(&line, &column);
    QCOMPARE(column, 11);

    control.setReadOnly(true);
    control.replaceSelectedText(QStringLiteral("no"));
    QCOMPARE(control.text(), QStringLiteral("hello there!"));
}

void TestEditControl::windows1252FallsBackToUtf8_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("held by Windows-1252") << QString::fromUtf8("\xE2\x82\xAC") << QByteArray("\x80""caf\xE9\r\n")
                                          << TextEncoding::Windows1252;
    QTest::newRow("outside Windows-1252") << QString::fromUtf8("\xCE\xA9") << QByteArray("\xCE\xA9""caf\xC3\xA9\r\n")
                                          << TextEncoding::Utf8;
}

void TestEditControl::windows1252FallsBackToUtf8()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    QFETCH(TextEncoding, encoding);

    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("w.txt"), "caf\xE9\r\n");
    EditControl control;
    QVERIFY(control.openFile(path).ok);
    QCOMPARE(control.encoding(), TextEncoding::Windows1252);
    control.replaceSelectedText(typed);
    QVERIFY(control.saveFile(path).ok);
    QCOMPARE(readFile(path), saved);
    QCOMPARE(control.encoding(), encoding);
}

void TestEditControl::newDocumentSavesUtf8CrLf()
{
    QTemporaryDir dir;
    EditControl control;
    QVERIFY(control.openFile(writeFile(dir, QStringLiteral("lf.txt"), "caf\xE9\n")).ok);
    control.replaceSelectedText(QStringLiteral("x"));
    control.resetDocument();
    QCOMPARE(control.text(), QString());
    QVERIFY(!control.isModified());
    QVERIFY(!control.canUndo());
    QCOMPARE(control.encoding(), TextEncoding::Utf8);
    QCOMPARE(control.lineBreakStyle(), LineBreakStyle::CrLf);
    QCOMPARE(control.lineBreak(), QStringLiteral("\r\n"));

    control.replaceSelectedText(QString::fromUtf8("a\n\xC3\xA9"));
    const QString path = dir.filePath(QStringLiteral("new.txt"));
    QVERIFY(control.saveFile(path).ok);
    QCOMPARE(readFile(path), QByteArray("a\r\n\xC3\xA9"));
}

void TestEditControl::insertFile_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("inside a line") << QByteArray("one\ntwo\n") << QByteArray("X\r\nY") << 1 << 1
                                   << QByteArray("one\ntX\nYwo\n");
    QTest::newRow("start") << QByteArray("one\r\n") << QByteArray("a\nb\n") << 0 << 0
                           << QByteArray("a\r\nb\r\none\r\n");
    QTest::newRow("column past the end") << QByteArray("one\ntwo") << QByteArray("!") << 0 << 40
                                         << QByteArray("one!\ntwo");
    QTest::newRow("line past the end") << QByteArray("one\n") << QByteArray("!") << 9 << 0
                                       << QByteArray("one\n!");
    QTest::newRow("column counts characters") << QByteArray("\xC3\xA9\xC3\xA9\n") << QByteArray("|") << 0 << 1
                                              << QByteArray("\xC3\xA9|\xC3\xA9\n");
    QTest::newRow("Windows-1252 file") << QByteArray("a\n") << QByteArray("\xAC") << 0 << 1
                                       << QByteArray("a\xC2\xAC\n");
}

void TestEditControl::insertFile()
{
    QFETCH(QByteArray, document);
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QByteArray, saved);

    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("doc.txt"), document);
    EditControl control;
    QVERIFY(control.openFile(path).ok);
    const FileResult result = control.insertFile(writeFile(dir, QStringLiteral("part.txt"), file), line, column);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(control.isModified());
    QVERIFY(control.saveFile(path).ok);
    QCOMPARE(readFile(path), saved);

    QVERIFY(!control.insertFile(dir.filePath(QStringLiteral("missing.txt")), 0, 0).ok);
}

void TestEditControl::languages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("scintillaLexer");
    for (const char *name : {"C/C++", "Java"})
        QTest::newRow(name) << QString::fromLatin1(name) << QByteArray("cpp");
    QTest::newRow("Basic") << "Basic" << QByteArray("vb");
    QTest::newRow("Pascal") << "Pascal" << QByteArray("pascal");
    QTest::newRow("SQL") << "SQL" << QByteArray("sql");
    QTest::newRow("HTML") << "HTML" << QByteArray("hypertext");
    QTest::newRow("XML") << "XML" << QByteArray("xml");
}

void TestEditControl::languages()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, scintillaLexer);

    EditControl control;
    QVERIFY(control.languages().contains(name));
    QVERIFY(control.setLanguage(name));
    QCOMPARE(control.language(), name);
    QVERIFY(control.lexer());
    QCOMPARE(QByteArray(control.lexer()->lexer()), scintillaLexer);

    QVERIFY(control.setLanguage(QString()));
    QCOMPARE(control.language(), QString());
    QVERIFY(!control.lexer());
}

void TestEditControl::unknownLanguageIsRefused()
{
    EditControl control;
    QVERIFY(control.setLanguage(QStringLiteral("Java")));
    QsciLexer *java = control.lexer();
    QVERIFY(!control.setLanguage(QStringLiteral("Cobol")));
    QVERIFY(!control.setLanguage(QStringLiteral("java")));
    QCOMPARE(control.language(), QStringLiteral("Java"));
    QCOMPARE(control.lexer(), java);
    QCOMPARE(control.languages().names().size(), 7);
}

void TestEditControl::registeringAgainReplaces()
{
    int applied = 0;
    EditControl control;
    control.languages().registerLanguage(QStringLiteral("Java"), [&applied](QObject *parent) {
        return new RecordingLexer(parent, &applied);
    });
    QCOMPARE(control.languages().names().size(), 7);
    QVERIFY(control.setLanguage(QStringLiteral("Java")));
    QCOMPARE(QByteArray(control.lexer()->language()), QByteArray("Recording"));
    QVERIFY(applied > 0);
}

void TestEditControl::basicHighlightsKeywords()
{
    EditControl control;
    QVERIFY(control.setLanguage(QStringLiteral("Basic")));
    control.setText(QStringLiteral("Dim x ' note"));
    control.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
    const auto styleAt = [&control](int position) {
        return control.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(position));
    };
    QCOMPARE(styleAt(0), 3L);   // keyword
    QCOMPARE(styleAt(4), 7L);   // identifier
    QCOMPARE(styleAt(7), 1L);   // comment
    QVERIFY(control.lexer()->color(3) != control.lexer()->color(7));
}

void TestEditControl::registeredLanguageFollowsElements()
{
    int applied = 0;
    EditControl control;
    control.languages().registerLanguage(QStringLiteral("NPC Script"), [&applied](QObject *parent) {
        return new RecordingLexer(parent, &applied);
    });
    QVERIFY(control.languages().names().contains(QStringLiteral("NPC Script")));
    QCOMPARE(control.elementColour(EditorElement::KeywordText), QColor());
    QCOMPARE(control.elementFontStyle(StyledElement::Keyword), FontStyle());

    QVERIFY(control.setLanguage(QStringLiteral("NPC Script")));
    const int afterSelect = applied;
    QVERIFY(afterSelect >= 1);
    control.setElementColour(EditorElement::KeywordText, QColor(0, 0, 255));
    QCOMPARE(applied, afterSelect + 1);
    QCOMPARE(control.elementColour(EditorElement::KeywordText), QColor(0, 0, 255));
    QCOMPARE(control.lexer()->color(0), QColor(0, 0, 255));
    control.setElementFontStyle(StyledElement::Keyword, FontStyleFlag::Bold);
    QCOMPARE(applied, afterSelect + 2);
    QCOMPARE(control.elementFontStyle(StyledElement::Keyword), FontStyle(FontStyleFlag::Bold));

    // Built-in lexers keep their own colours.
    QVERIFY(control.setLanguage(QStringLiteral("C/C++")));
    const int afterCpp = applied;
    control.setElementColour(EditorElement::StringText, QColor(255, 0, 0));
    QCOMPARE(applied, afterCpp);
}

void TestEditControl::fontReachesEveryStyle()
{
    EditControl control;
    const QFont font(QStringLiteral("Courier New"), 13);
    QVERIFY(control.setLanguage(QStringLiteral("C/C++")));
    control.setEditorFont(font);
    QCOMPARE(control.editorFont(), font);
    const auto styleSize = [&control](int style) {
        return control.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, static_cast<unsigned long>(style));
    };
    for (int style : {0, 1, 5, 6})
        QCOMPARE(styleSize(style), 13L);
    QCOMPARE(styleSize(QsciScintillaBase::STYLE_LINENUMBER), 13L);
    // The language's own emphasis stays: C/C++ keywords (style 5) are bold, plain text is not.
    const auto styleBold = [&control](int style) {
        // QScintilla hands Qt's weight over negated.
        const long weight = control.SendScintilla(QsciScintillaBase::SCI_STYLEGETWEIGHT, static_cast<unsigned long>(style));
        return qAbs(weight) >= QFont::DemiBold;
    };
    QVERIFY(styleBold(5));
    QVERIFY(!styleBold(11));

    QVERIFY(control.setLanguage(QStringLiteral("SQL")));
    QCOMPARE(styleSize(5), 13L);
    QVERIFY(control.setLanguage(QString()));
    QCOMPARE(styleSize(0), 13L);
    QCOMPARE(styleSize(QsciScintillaBase::STYLE_LINENUMBER), 13L);
}

void TestEditControl::chromeColoursSurviveLanguageChange()
{
    EditControl control;
    const QColor currentLine(240, 240, 240);
    const QColor lineNumbers(170, 170, 170);
    control.setElementColour(EditorElement::CurrentLineBackground, currentLine);
    control.setElementColour(EditorElement::LineNumberText, lineNumbers);
    control.setEditorFont(QFont(QStringLiteral("Courier New"), 9));
    for (const QString &language : {QStringLiteral("XML"), QString(), QStringLiteral("Basic")}) {
        QVERIFY(control.setLanguage(language));
        QCOMPARE(control.SendScintilla(QsciScintillaBase::SCI_GETCARETLINEBACK), scintillaColour(currentLine));
        QCOMPARE(control.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE,
                                       static_cast<unsigned long>(QsciScintillaBase::STYLE_LINENUMBER)),
                 scintillaColour(lineNumbers));
    }
}

void TestEditControl::lineNumberMarginGrows()
{
    EditControl control;
    auto *lineNumbers = new LineNumberMargin(control);
    lineNumbers->setActive(true);
    EditorOptions options;
    options.tabWidth = 4;
    control.applyOptions(options);
    const auto marginWidth = [&control] {
        return control.SendScintilla(QsciScintillaBase::SCI_GETMARGINWIDTHN, 0UL);
    };
    control.setText(QStringLiteral("a"));
    const long small = marginWidth();
    QVERIFY(small > 0);
    control.setText(QString(100000, QLatin1Char('\n')));
    QVERIFY(marginWidth() > small);
    QCOMPARE(control.tabWidth(), 4);

    lineNumbers->setActive(false);
    options.wordWrap = true;
    control.applyOptions(options);
    QCOMPARE(marginWidth(), 0L);
    control.setText(QStringLiteral("a\nb"));
    QCOMPARE(marginWidth(), 0L);
    QCOMPARE(control.wrapMode(), QsciScintilla::WrapWord);
}

void TestEditControl::clipboardAbilities()
{
    EditControl control;
    control.setText(QStringLiteral("some text"));
    QVERIFY(!control.canCut());
    QVERIFY(!control.canCopy());
    control.setSelection(0, 0, 0, 4);
    QVERIFY(control.canCut());
    QVERIFY(control.canCopy());

    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QVERIFY(control.canPaste());
    control.setReadOnly(true);
    QVERIFY(!control.canPaste());
    QVERIFY(!control.canCut());
    QVERIFY(control.canCopy());
    control.setReadOnly(false);
    QGuiApplication::clipboard()->clear();
    QVERIFY(!control.canPaste());
}

void TestEditControl::whitespace()
{
    EditControl control;
    QVERIFY(!control.isWhitespaceVisible());
    control.setWhitespaceVisible(true);
    QVERIFY(control.isWhitespaceVisible());
    QCOMPARE(control.whitespaceVisibility(), QsciScintilla::WsVisible);
    control.setWhitespaceVisible(false);
    QCOMPARE(control.whitespaceVisibility(), QsciScintilla::WsInvisible);
}

QTEST_MAIN(TestEditControl)
#include "test_edit_control.moc"
