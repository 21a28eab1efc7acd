// The modules' own picture viewer: the sprite overview and map pictures, with zoom and scroll.
#pragma once

#include <QDialog>
#include <QPixmap>

class DialogSeam;
class QLabel;
class QScrollArea;

class PictureViewer : public QDialog
{
    Q_OBJECT

public:
    PictureViewer(const QString &path, const QPixmap &picture, QWidget *parent = nullptr);

    // The scale the picture is shown at, 1 for its own size.
    double zoom() const;
    void zoomIn();
    void zoomOut();
    void showActualSize();
    // Scales the picture to fit the window.
    void fitToWindow();

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    void setZoom(double zoom);

    QPixmap m_picture;
    QLabel *m_label = nullptr;
    QScrollArea *m_scroll = nullptr;
    double m_zoom = 1.0;
};

// The message when a picture cannot be shown.
QString PictureMissingTitle();
QString PictureMissingText(const QString &path);

// Shows the picture at path in a viewer over owner, not modal, so the module stays usable; a
// missing or unreadable picture is told through dialogs, naming the file. The viewer, if any.
PictureViewer *ShowPicture(const QString &path, QWidget *owner, DialogSeam &dialogs);
