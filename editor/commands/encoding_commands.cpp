// Reading the open script again in another encoding.
#include "encoding_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "document.h"
#include "east_asian_codec.h"
#include "edit_control.h"

namespace {

struct EncodingChoice
{
    TextEncoding encoding;
    const char *objectName;
    const char *caption;
};

const EncodingChoice choices[] = {
    {TextEncoding::Utf8, "mENCODINGUTF8", "UTF-8"},
    {TextEncoding::Windows1252, "mENCODINGWINDOWS1252", "Western (Windows-1252)"},
    {TextEncoding::EucKr, "mENCODINGEUCKR", "Korean (EUC-KR, CP949)"},
    {TextEncoding::Gbk, "mENCODINGGBK", "Chinese, simplified (GBK)"},
    {TextEncoding::Big5, "mENCODINGBIG5", "Chinese, traditional (Big5)"},
    {TextEncoding::ShiftJis, "mENCODINGSHIFTJIS", "Japanese (Shift-JIS)"},
};

} // namespace

EncodingCommands::EncodingCommands(Document &document, EditControl &control, QWidget *menuParent, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_control(control)
{
    m_menu = new QMenu(tr("Reopen with Encoding"), menuParent);
    m_menu->setObjectName(QStringLiteral("mFILEREOPENWITHENCODING"));
    m_menu->menuAction()->setObjectName(m_menu->objectName());
    auto *group = new QActionGroup(m_menu);
    for (const EncodingChoice &choice : choices) {
        QAction *item = m_menu->addAction(QLatin1String(choice.caption));
        item->setObjectName(QLatin1String(choice.objectName));
        item->setCheckable(true);
        group->addAction(item);
        item->setData(int(choice.encoding));
        m_items.append(item);
    }
    connect(m_menu, &QMenu::aboutToShow, this, &EncodingCommands::checkCurrent);
    connect(&m_control, &EditControl::encodingChanged, this, &EncodingCommands::checkCurrent);
    checkCurrent();
}

QMenu *EncodingCommands::menu() const
{
    return m_menu;
}

bool EncodingCommands::reopen(TextEncoding encoding)
{
    const QString path = m_document.scriptFileName();
    if (path.isEmpty()) {
        checkCurrent();
        Q_EMIT statusText(QStringLiteral("The script has no file to reopen; save it first."));
        return false;
    }
    // The text is read again from the file, so unsaved changes would be lost without asking.
    if (!m_document.promptSaveModified()) {
        checkCurrent();
        return false;
    }
    const FileResult result = m_control.reopenFile(path, encoding);
    checkCurrent();
    if (!result) {
        Q_EMIT statusText(QStringLiteral("The script could not be reopened as %1: %2")
                              .arg(EncodingName(encoding), result.error));
        return false;
    }
    Q_EMIT statusText(QStringLiteral("The script has been reopened as %1.").arg(EncodingName(m_control.encoding())));
    return true;
}

bool EncodingCommands::reopenWith(const QAction *item)
{
    return m_items.contains(item) && reopen(TextEncoding(item->data().toInt()));
}

void EncodingCommands::checkCurrent()
{
    // A file with a byte-order mark is UTF-8 all the same.
    const TextEncoding current =
        m_control.encoding() == TextEncoding::Utf8WithBom ? TextEncoding::Utf8 : m_control.encoding();
    for (int i = 0; i < m_items.size(); ++i)
        m_items.at(i)->setChecked(choices[i].encoding == current);
}
