// Times NPC Script highlighting: a full styling against QScintilla's C++ lexer, and keystrokes.
#include <QApplication>
#include <QElapsedTimer>

#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "script_lexer.h"

namespace {

LanguageDefinition npcDefinition()
{
    const auto list = [](const char *words) { return QString::fromLatin1(words).replace(QLatin1Char(' '), QLatin1Char('\n')); };
    LanguageDefinition d;
    d.keywords = list("mes next close close2 end menu select prompt input if else for while do switch case default "
                      "break continue goto callfunc callsub return function set setarray cleararray getarraysize "
                      "getarg warp getitem delitem countitem rand sleep2 percentheal heal specialeffect "
                      "initnpctimer stopnpctimer donpcevent strcharinfo announce getmapxy Zeny");
    d.operators = list("+ - * / % = == != < <= > >= && || ! += -= ++ -- , ; ( ) [ ] : ? & | ^");
    d.singleLineComments = QStringLiteral("//");
    d.multilineComments1 = QStringLiteral("/*");
    d.multilineComments2 = QStringLiteral("*/");
    d.stringDelimiters = QStringLiteral("\"");
    d.tagAttributeNames = list("script shop warp monster duplicate mapflag");
    d.tagElementNames = list("prontera geffen payon morocc izlude alberta");
    d.scopeKeywords1 = QStringLiteral("{");
    d.scopeKeywords2 = QStringLiteral("}");
    return d;
}

// NPC blocks in CR LF lines until size bytes: headers with tabs, labels, nested braces, colour
// codes in strings, comments, converted Windows-1252 text, now and then a NUL or a very long line.
QByteArray makeScript(int size)
{
    static const char *const maps[] = {"prontera", "geffen", "payon", "morocc", "izlude", "alberta"};
    QByteArray text;
    text.reserve(size + 4096);
    for (int n = 0; text.size() < size; ++n) {
        const QByteArray number = QByteArray::number(n);
        const QByteArray map = maps[n % 6];
        text += "//===== " + map + " guide " + number + " =====\r\n";
        if (n % 3 == 0)
            text += "/* Keeps the traveller's choice in .@choice.\r\n   Rewritten for caf\xC3\xA9 owners \xE2\x80\x99" "98. */\r\n";
        text += map + "," + QByteArray::number(100 + n % 97) + "," + QByteArray::number(50 + n % 181)
            + ",4\tscript\tGuide#" + number + "\t" + QByteArray::number(700 + n % 300) + ",{\r\n";
        text += "\tmes \"[Guide]\";\r\n"
                "\tmes \"Hello ^FF0000\" + strcharinfo(0) + \"^000000, welcome to ^0000FF" + map + "^000000.\";\r\n"
                "\tnext;\r\n"
                "\tswitch (select(\"Warp:Heal:Cancel\")) {\r\n"
                "\tcase 1:\r\n"
                "\t\tif (Zeny < " + QByteArray::number(n % 1000) + ") {\r\n"
                "\t\t\tmes \"You need ^FF0000more^000000 zeny, \\\"friend\\\".\";\r\n"
                "\t\t\tclose;\r\n"
                "\t\t}\r\n"
                "\t\tset Zeny, Zeny - " + QByteArray::number(n % 1000) + "; // pay first\r\n"
                "\t\twarp \"" + map + "\"," + QByteArray::number(n % 300) + "," + QByteArray::number(n % 200) + ";\r\n"
                "\t\tend;\r\n"
                "\tcase 2:\r\n"
                "\t\tpercentheal 100,100;\r\n"
                "\t\tbreak;\r\n"
                "\t}\r\n"
                "\tclose;\r\n"
                "OnInit:\r\n"
                "\tsetarray .@list[0], 501, 502, 503, 504, 505;\r\n"
                "\tfor (.@i = 0; .@i < getarraysize(.@list); .@i++) {\r\n"
                "\t\tif (.@list[.@i] % 2) { set .@odd, .@odd + 1; } else { set .@even, .@even + 1; }\r\n"
                "\t}\r\n"
                "\tend;\r\n"
                "L_Sub" + number + ":\r\n"
                "\treturn;\r\n"
                "}\r\n";
        if (n % 50 == 0)
            text += "\tmes \"" + QByteArray("^00FF00A very long message line. ").repeated(60) + "\";\r\n";
        static const char junk[] = "// binary junk \0\x01\xFF\x80 in a comment\r\n";
        if (n % 400 == 0)
            text += QByteArray(junk, sizeof junk - 1);
    }
    return text;
}

void setText(QsciScintilla &editor, const QByteArray &text)
{
    editor.SendScintilla(QsciScintillaBase::SCI_CLEARALL);
    editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.constData());
}

long send(QsciScintilla &editor, unsigned int message, long wParam = 0, long lParam = 0)
{
    return editor.SendScintilla(message, static_cast<unsigned long>(wParam), lParam);
}

// Milliseconds to style all of text with lexer (owned by the editor), the fold margin on.
double styleAll(QsciLexer *lexer, QsciScintilla &editor, const QByteArray &text)
{
    editor.setUtf8(true);
    editor.setFolding(QsciScintilla::BoxedTreeFoldStyle);
    editor.setLexer(lexer);
    setText(editor, text);
    QElapsedTimer timer;
    timer.start();
    send(editor, QsciScintillaBase::SCI_COLOURISE, 0, -1);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (send(editor, QsciScintillaBase::SCI_GETENDSTYLED) != text.size())
        std::fprintf(stderr, "%s: styling stopped early\n", lexer->language());
    return ms;
}


} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown, so no display is needed.
    bench::prepareHeadless();
    QApplication app(argc, argv);

    const QByteArray script = makeScript(20 * 1024 * 1024);
    std::printf("script: %.1f MB, %lld lines\n", script.size() / (1024.0 * 1024.0),
                static_cast<long long>(script.count('\n')));
    double ours = 0;
    double cpp = 0;
    {
        QsciScintilla editor;
        ours = styleAll(new ScriptLexer(npcDefinition(), &editor), editor, script);
    }
    {
        QsciScintilla editor;
        cpp = styleAll(new QsciLexerCPP(&editor), editor, script);
    }
    std::printf("full styling: NPC Script %.1f ms, C++ %.1f ms, ratio %.2f\n", ours, cpp, ours / cpp);

    // Keystrokes in the middle of a large script, each restyling its line and a screenful below.
    const QByteArray big = makeScript(50 * 1024 * 1024);
    QsciScintilla editor;
    const double first = styleAll(new ScriptLexer(npcDefinition(), &editor), editor, big);
    std::printf("large script: %.1f MB styled in %.1f ms\n", big.size() / (1024.0 * 1024.0), first);
    long at = send(editor, QsciScintillaBase::SCI_POSITIONFROMLINE, send(editor, QsciScintillaBase::SCI_GETLINECOUNT) / 2) + 1;
    editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<unsigned long>(at), "x");   // the gaps move here once
    const long notifications = send(editor, QsciScintillaBase::SCI_GETMODEVENTMASK);
    for (const bool notifying : {true, false}) {
        // QScintilla's own handling of each change notification costs time in proportion to the
        // change's position (no lexer involved): measured with and without it.
        send(editor, QsciScintillaBase::SCI_SETMODEVENTMASK, notifying ? notifications : 0);
        std::vector<double> keystrokes;
        std::vector<double> restyles;
        QElapsedTimer timer;
        for (int i = 0; i < 25; ++i) {
            timer.start();
            editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<unsigned long>(++at), i % 5 ? "x" : "{");
            const qint64 inserted = timer.nsecsElapsed();
            const long line = send(editor, QsciScintillaBase::SCI_LINEFROMPOSITION, at);
            const long screenEnd = send(editor, QsciScintillaBase::SCI_POSITIONFROMLINE, line + 60);
            send(editor, QsciScintillaBase::SCI_COLOURISE, send(editor, QsciScintillaBase::SCI_POSITIONFROMLINE, line), screenEnd);
            keystrokes.push_back(timer.nsecsElapsed() / 1e6);
            restyles.push_back((timer.nsecsElapsed() - inserted) / 1e6);
            if (send(editor, QsciScintillaBase::SCI_GETENDSTYLED) < screenEnd)
                std::fprintf(stderr, "the screenful was not restyled\n");
        }
        std::printf("keystroke (%s): median %.3f ms, of which restyling %.3f ms\n",
                    notifying ? "QScintilla notified" : "change notifications off", bench::median(keystrokes), bench::median(restyles));
    }
    return 0;
}
