// Storing and restoring the main window's outer bounds in the "Window Metrics" section.
#include "window_metrics.h"

#include "ini.h"
#include "leading_number.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString MetricsSection = QStringLiteral("Window Metrics");
const QString KeyX = QStringLiteral("wMain X");
const QString KeyY = QStringLiteral("wMain Y");
const QString KeyWidth = QStringLiteral("wMain Width");
const QString KeyHeight = QStringLiteral("wMain Height");

// How long after the first show the window manager may take to tell us the frame.
constexpr int FrameWaitMs = 3000;

int toInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double limit = std::numeric_limits<int>::max() / 2;
    return static_cast<int>(std::lround(std::clamp(value, -limit, limit)));
}

// The frame's size is known only after the window manager has framed the window. Once it is,
// the stored outer size is applied again minus the frame, so the window does not grow by its
// frame on every run.
class FrameSizeKeeper : public QObject
{
public:
    FrameSizeKeeper(QWidget *window, const QSize &outerSize)
        : QObject(window)
        , m_window(window)
        , m_outerSize(outerSize)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            if (!m_shown) {
                m_shown = true;
                // Give up after a while: a window without a frame never reports one.
                QTimer::singleShot(FrameWaitMs, this, &QObject::deleteLater);
            }
            correct();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            if (m_shown)
                correct();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void correct()
    {
        if (m_done || !m_window || m_window->windowState() != Qt::WindowNoState)
            return;
        const QSize frame = m_window->frameGeometry().size();
        const QSize inner = m_window->geometry().size();
        if (frame == inner)
            return;
        m_done = true;
        const QSize margins = frame - inner;
        m_window->resize((m_outerSize - margins).expandedTo(m_window->minimumSize()));
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QSize m_outerSize;
    bool m_shown = false;
    bool m_done = false;
};

} // namespace

QString TwipsToText(int twips)
{
    return QString::number(twips);
}

QRect ReadWindowBounds(const QString &iniFile, const QRect &currentTwips)
{
    const auto read = [&](const QString &key, int current) {
        return toInt(NumberAtStart(ReadIni(MetricsSection, key, TwipsToText(current), iniFile)));
    };
    const int x = read(KeyX, currentTwips.x());
    const int y = read(KeyY, currentTwips.y());
    const int width = read(KeyWidth, currentTwips.width());
    const int height = read(KeyHeight, currentTwips.height());
    return QRect(x, y, width, height);
}

void WriteWindowBounds(const QString &iniFile, const QRect &boundsTwips)
{
    // Failures are not reported: the window simply opens at its designed bounds next time.
    WriteIni(MetricsSection, KeyX, TwipsToText(boundsTwips.x()), iniFile);
    WriteIni(MetricsSection, KeyY, TwipsToText(boundsTwips.y()), iniFile);
    WriteIni(MetricsSection, KeyWidth, TwipsToText(boundsTwips.width()), iniFile);
    WriteIni(MetricsSection, KeyHeight, TwipsToText(boundsTwips.height()), iniFile);
}

QRect KeepOnScreen(const QRect &bounds, const QList<QRect> &screens, const QRect &primary,
                   const QSize &designedSize)
{
    if (screens.isEmpty())
        return bounds;
    // A window of no width still has a place: test its corner at least.
    const QRect probe(bounds.topLeft(), bounds.size().expandedTo(QSize(1, 1)));
    for (const QRect &screen : screens) {
        if (screen.intersects(probe))
            return bounds;
    }
    QRect centred(QPoint(0, 0), designedSize);
    centred.moveCenter(primary.center());
    return centred;
}

void LoadWindowMetrics(QWidget *window, const QString &iniFile)
{
    if (!window)
        return;
    const QRect designed = window->frameGeometry();
    const QRect stored = twipsToPixels(ReadWindowBounds(iniFile, pixelsToTwips(designed)));

    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect bounds = KeepOnScreen(stored, screens,
                                      primary ? primary->availableGeometry() : QRect(),
                                      designed.size());

    const QSize outerSize = bounds.size().expandedTo(window->minimumSize()).expandedTo(QSize(1, 1));
    window->move(bounds.topLeft());
    if (window->isVisible()) {
        const QSize margins = window->frameGeometry().size() - window->geometry().size();
        window->resize((outerSize - margins).expandedTo(window->minimumSize()));
    } else {
        window->resize(outerSize);
        new FrameSizeKeeper(window, outerSize);
    }
}

void SaveWindowMetrics(QWidget *window, const QString &iniFile)
{
    if (!window || window->isMinimized())
        return;
    WriteWindowBounds(iniFile, pixelsToTwips(window->frameGeometry()));
}
