// What the benchmarks share: generated scripts, medians and a headless start.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// Runs without a display unless one is given, and prints each line as it comes.
inline void prepareHeadless(bool unlessDisplay = false)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && (!unlessDisplay || qEnvironmentVariableIsEmpty("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

// NPC guides in CR LF lines, four lines a block. eAcute and euro stand for the non-ASCII
// characters, so the same text can be written as UTF-8 or as Windows-1252.
inline QByteArray makeGuideScript(int blocks, const QByteArray &eAcute = "\xC3\xA9",
                                  const QByteArray &euro = "\xE2\x82\xAC")
{
    QByteArray text;
    text.reserve(qsizetype(blocks) * 64);
    for (int i = 0; i < blocks; ++i) {
        switch (i % 4) {
        case 0:
            text += "prontera," + QByteArray::number(100 + i % 200) + ",150,4\tscript\tGuide#"
                + QByteArray::number(i) + "\t117,{\r\n";
            break;
        case 1:
            text += "\tmes \"[Guide]\"; mes \"Welcome to town, caf" + eAcute + " traveller\";\r\n";
            break;
        case 2:
            text += "\tif (select(\"Yes:No\") == 1) warp \"prontera\",156,191; // 5 " + euro + "\r\n";
            break;
        default:
            text += "\tclose; // the guide waits for the next traveller\r\n}\r\n";
            break;
        }
    }
    return text;
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace bench
