// The colour scheme in use: read from the settings, applied to the text area and the panels.
#include "scheme_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QStyleHints>
#include <QToolTip>

#include "edit_control.h"
#include "ini.h"

namespace {

const QString SettingsSection = QStringLiteral("Colour Scheme");
const QString SchemeKey = QStringLiteral("Scheme");

// A window that set a scheme and went leaves the desktop's palette behind it, so the first
// palette seen is the desktop's.
const QPalette &desktopPalette()
{
    static const QPalette palette = QApplication::palette();
    return palette;
}

} // namespace

QString SchemeChoiceText(SchemeChoice choice)
{
    switch (choice) {
    case SchemeChoice::Dark: return QStringLiteral("Dark");
    case SchemeChoice::FollowDesktop: return QStringLiteral("Desktop");
    case SchemeChoice::Light: break;
    }
    return QStringLiteral("Light");
}

SchemeChoice SchemeChoiceFromText(const QString &text)
{
    for (SchemeChoice choice : {SchemeChoice::Dark, SchemeChoice::FollowDesktop})
        if (text.compare(SchemeChoiceText(choice), Qt::CaseInsensitive) == 0)
            return choice;
    return SchemeChoice::Light;
}

SchemeCommands::SchemeCommands(EditControl &control, const QString &settingsFile, QObject *parent)
    : QObject(parent)
    , m_control(control)
    , m_settingsFile(settingsFile)
    , m_choice(SchemeChoiceFromText(ReadIni(SettingsSection, SchemeKey, QString(), settingsFile)))
    , m_desktopPalette(desktopPalette())
{
    apply();
}

SchemeCommands::~SchemeCommands()
{
    if (m_paletteSet) {
        QApplication::setPalette(m_desktopPalette);
        QToolTip::setPalette(m_desktopPalette);
    }
}

SchemeChoice SchemeCommands::choice() const
{
    return m_choice;
}

SchemeKind SchemeCommands::kind() const
{
    switch (m_choice) {
    case SchemeChoice::Dark: return SchemeKind::Dark;
    case SchemeChoice::FollowDesktop: return desktopKind();
    case SchemeChoice::Light: break;
    }
    return SchemeKind::Light;
}

SchemeKind SchemeCommands::desktopKind() const
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    switch (QGuiApplication::styleHints()->colorScheme()) {
    case Qt::ColorScheme::Dark: return SchemeKind::Dark;
    case Qt::ColorScheme::Light: return SchemeKind::Light;
    case Qt::ColorScheme::Unknown: break;
    }
#endif
    // Older Qt does not say; a desktop whose windows are dark is taken as a dark desktop.
    return DesktopSchemeKind(m_desktopPalette.color(QPalette::Window));
}

void SchemeCommands::setItems(QAction *light, QAction *dark, QAction *desktop)
{
    m_items = new QActionGroup(this);
    m_items->setExclusive(true);
    const std::pair<QAction *, SchemeChoice> items[] = {
        {light, SchemeChoice::Light}, {dark, SchemeChoice::Dark}, {desktop, SchemeChoice::FollowDesktop}};
    for (const auto &[item, choice] : items) {
        item->setCheckable(true);
        item->setChecked(choice == m_choice);
        item->setData(int(choice));
        m_items->addAction(item);
        connect(item, &QAction::triggered, this, [this, choice = choice] { this->choose(choice); });
    }
}

void SchemeCommands::choose(SchemeChoice choice)
{
    m_choice = choice;
    WriteIni(SettingsSection, SchemeKey, SchemeChoiceText(choice), m_settingsFile);
    if (m_items)
        for (QAction *item : m_items->actions())
            item->setChecked(item->data().toInt() == int(choice));
    apply();
}

void SchemeCommands::apply()
{
    const ColourScheme &scheme = SchemeFor(kind());
    // Light on a desktop whose palette was never replaced leaves the panels exactly as they were.
    if (!scheme.panels.empty() || m_paletteSet) {
        const QPalette palette = SchemePalette(scheme, m_desktopPalette);
        QApplication::setPalette(palette);
        QToolTip::setPalette(palette);
        m_paletteSet = true;
    }
    m_control.setColourScheme(&scheme);
}
