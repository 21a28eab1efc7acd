// File, colour and font questions asked through the dialog seam, and their small conversions.
#include "common_dialogs.h"

#include "dialog_seam.h"

#include <QFileInfo>
#include <QStringList>

#include <cmath>

namespace {

const QChar ParameterSeparator(0x00AC);

// Whole points, halves going to the even neighbour (10.5 -> 10, 11.5 -> 12).
int roundHalfToEven(double value)
{
    const double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    if (fraction > 0.5)
        return int(floorValue) + 1;
    if (fraction < 0.5)
        return int(floorValue);
    const int lower = int(floorValue);
    return lower % 2 == 0 ? lower : lower + 1;
}

// "*.*" means every file; on Linux many files have no extension, which "*.*" would hide.
QString qtPatterns(const QString &patterns)
{
    QStringList result;
    const QStringList parts = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        result.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    if (result.isEmpty())
        result.append(QStringLiteral("*"));
    return result.join(QLatin1Char(' '));
}

} // namespace

QString AllFilesFilter()
{
    return QStringLiteral("(*.*) All Files") + ParameterSeparator + QStringLiteral("*.*");
}

FileDialogRequest AnyFileRequest(QWidget *owner, FileDialogMode mode, const QString &title)
{
    FileDialogRequest request;
    request.owner = owner;
    request.save = mode == FileDialogMode::Save;
    request.title = title;
    request.filter = AllFilesFilter();
    return request;
}

QString ScriptFilesFilter()
{
    return QStringList{QStringLiteral("NPC Scripts"), QStringLiteral("*.txt"), QStringLiteral("All Files"),
                       QStringLiteral("*.*")}
        .join(ParameterSeparator);
}

FileDialogRequest ScriptFileRequest(QWidget *owner, FileDialogMode mode, const QString &title)
{
    FileDialogRequest request = AnyFileRequest(owner, mode, title);
    request.filter = ScriptFilesFilter();
    return request;
}

QString DialogFolders::folder(FileDialogKind kind) const
{
    return m_folders[size_t(kind)];
}

void DialogFolders::remember(FileDialogKind kind, const QString &chosenFile)
{
    if (!chosenFile.isEmpty())
        m_folders[size_t(kind)] = QFileInfo(chosenFile).absolutePath();
}

QString QtFileFilter(const QString &filter)
{
    QStringList parts = filter.split(ParameterSeparator);
    // A list written for the platform may end in separators; they carry no pair.
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();

    QStringList filters;
    for (int i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = qtPatterns(i + 1 < parts.size() ? parts.at(i + 1) : QString());
        filters.append(description.isEmpty() ? patterns
                                             : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

bool ShowColourDialog(DialogSeam &seam, QWidget *owner, QColor &target, const QColor &initialColour)
{
    const std::optional<QColor> chosen = seam.colour(owner, initialColour);
    if (!chosen || !chosen->isValid())
        return false;
    target = *chosen;
    return true;
}

bool ShowFontDialog(DialogSeam &seam, QWidget *owner, QFont &target)
{
    const std::optional<QFont> chosen = seam.font(owner, target);
    if (!chosen)
        return false;

    target.setBold(chosen->weight() >= QFont::Bold);
    target.setItalic(chosen->italic());
    target.setUnderline(chosen->underline());
    target.setStrikeOut(chosen->strikeOut());
    if (!chosen->family().isEmpty())
        target.setFamily(chosen->family());
    // A font given in pixels has no point size to take over; keep the target's then.
    const double points = chosen->pointSizeF();
    if (points > 0)
        target.setPointSize(qMax(1, roundHalfToEven(points)));
    return true;
}

QColor ColourFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 ColourToBgr(const QColor &colour)
{
    if (!colour.isValid())
        return 0;
    const QColor rgb = colour.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}
