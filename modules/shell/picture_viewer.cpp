// Showing a picture at a chosen zoom.
#include "picture_viewer.h"

#include "dialog_seam.h"
#include "widget_names.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double zoomStep = 1.25;
constexpr double smallestZoom = 0.1;
constexpr double largestZoom = 8.0;

QPushButton *viewerButton(const QString &name, const QString &caption, const QString &description, QWidget *parent)
{
    auto *button = nameWidget(new QPushButton(caption, parent), name, caption);
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PictureViewer::PictureViewer(const QString &path, const QPixmap &picture, QWidget *parent)
    : QDialog(parent)
    , m_picture(picture)
{
    setObjectName(QStringLiteral("wPictureViewer"));
    setWindowTitle(QFileInfo(path).fileName());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QVBoxLayout(this);
    m_label = nameWidget(new QLabel, QStringLiteral("imgPicture"), QFileInfo(path).completeBaseName());
    m_label->setAlignment(Qt::AlignCenter);
    m_scroll = nameWidget(new QScrollArea(this), QStringLiteral("scrPicture"), QStringLiteral("Picture"));
    m_scroll->setWidget(m_label);
    m_scroll->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_scroll, 1);

    auto *buttons = new QHBoxLayout;
    auto *zoomOutButton = viewerButton(QStringLiteral("cmdZoomOut"), QStringLiteral("Zoom &Out"),
                                       QStringLiteral("Show the picture smaller"), this);
    auto *zoomInButton = viewerButton(QStringLiteral("cmdZoomIn"), QStringLiteral("Zoom &In"),
                                      QStringLiteral("Show the picture larger"), this);
    auto *actualButton = viewerButton(QStringLiteral("cmdActualSize"), QStringLiteral("&Actual Size"),
                                      QStringLiteral("Show the picture at its own size"), this);
    auto *fitButton = viewerButton(QStringLiteral("cmdFitWindow"), QStringLiteral("&Fit"),
                                   QStringLiteral("Fit the whole picture into the window"), this);
    auto *closeButton = viewerButton(QStringLiteral("cmdClose"), QStringLiteral("Close"),
                                     QStringLiteral("Close the picture"), this);
    for (QPushButton *button : {zoomOutButton, zoomInButton, actualButton, fitButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    zoomInButton->setShortcut(QKeySequence::ZoomIn);
    zoomOutButton->setShortcut(QKeySequence::ZoomOut);

    connect(zoomInButton, &QPushButton::clicked, this, &PictureViewer::zoomIn);
    connect(zoomOutButton, &QPushButton::clicked, this, &PictureViewer::zoomOut);
    connect(actualButton, &QPushButton::clicked, this, &PictureViewer::showActualSize);
    connect(fitButton, &QPushButton::clicked, this, &PictureViewer::fitToWindow);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    // The picture at its own size when it fits, otherwise a window filling most of the screen.
    const QSize room = (parent && parent->screen() ? parent->screen() : screen())->availableSize() * 0.85;
    resize(QSize(picture.width() + 40, picture.height() + 90).boundedTo(room).expandedTo(QSize(320, 240)));
    setZoom(1.0);
    m_scroll->setFocus();
}

double PictureViewer::zoom() const
{
    return m_zoom;
}

void PictureViewer::zoomIn()
{
    setZoom(m_zoom * zoomStep);
}

void PictureViewer::zoomOut()
{
    setZoom(m_zoom / zoomStep);
}

void PictureViewer::showActualSize()
{
    setZoom(1.0);
}

void PictureViewer::fitToWindow()
{
    const QSize room = m_scroll->viewport()->size();
    if (m_picture.isNull() || room.isEmpty())
        return;
    setZoom(std::min(double(room.width()) / m_picture.width(), double(room.height()) / m_picture.height()));
}

void PictureViewer::wheelEvent(QWheelEvent *event)
{
    // Ctrl and the wheel zoom, as in other viewers; the plain wheel scrolls.
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QDialog::wheelEvent(event);
        return;
    }
    if (event->angleDelta().y() > 0)
        zoomIn();
    else if (event->angleDelta().y() < 0)
        zoomOut();
    event->accept();
}

void PictureViewer::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, smallestZoom, largestZoom);
    const QSize size(std::max(1, int(std::lround(m_picture.width() * m_zoom))),
                     std::max(1, int(std::lround(m_picture.height() * m_zoom))));
    m_label->setPixmap(m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_label->resize(size);
}

QString PictureMissingTitle()
{
    return QStringLiteral("Picture not found..");
}

QString PictureMissingText(const QString &path)
{
    return QStringLiteral("The picture \"%1\" could not be opened. Please check that the file is there and is a "
                          "picture.")
        .arg(QDir::toNativeSeparators(path));
}

PictureViewer *ShowPicture(const QString &path, QWidget *owner, DialogSeam &dialogs)
{
    const QPixmap picture(path);
    if (picture.isNull()) {
        dialogs.msgBoxEx(MsgBoxExRequest{PictureMissingText(path), MsgBoxIcon::Warning, MsgBoxButtons::Okay,
                                         PictureMissingTitle()});
        return nullptr;
    }
    auto *viewer = new PictureViewer(path, picture, owner);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
