// Drawing the modules' pictures and icons.
#include "module_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap blank(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawBubble(QPainter &painter, const QRectF &body, const QPointF &tail)
{
    QPainterPath path;
    path.addRoundedRect(body, 6, 6);
    QPainterPath pointer;
    pointer.moveTo(body.left() + body.width() * 0.25, body.bottom() - 1);
    pointer.lineTo(tail);
    pointer.lineTo(body.left() + body.width() * 0.45, body.bottom() - 1);
    pointer.closeSubpath();
    painter.setPen(QPen(QColor(60, 70, 90), 1.5));
    painter.setBrush(QColor(250, 248, 236));
    painter.drawPath(path.united(pointer));
}

} // namespace

QPixmap characterPicture()
{
    QPixmap pixmap = blank(48);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(50, 60, 80), 1.5));
    painter.setBrush(QColor(90, 140, 200));
    painter.drawRoundedRect(QRectF(6, 30, 20, 16), 5, 5);      // body
    painter.setBrush(QColor(240, 200, 160));
    painter.drawEllipse(QRectF(8, 14, 16, 16));                 // head
    drawBubble(painter, QRectF(24, 2, 22, 16), QPointF(22, 22));
    painter.setPen(QPen(QColor(60, 70, 90), 2));
    painter.drawPoint(QPointF(30, 10));
    painter.drawPoint(QPointF(35, 10));
    painter.drawPoint(QPointF(40, 10));
    return pixmap;
}

QPixmap messagePicture()
{
    QPixmap pixmap = blank(48);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBubble(painter, QRectF(2, 4, 44, 30), QPointF(10, 45));
    painter.setPen(QPen(QColor(120, 130, 150), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9, 13), QPointF(39, 13));
    painter.drawLine(QPointF(9, 19), QPointF(39, 19));
    painter.drawLine(QPointF(9, 25), QPointF(28, 25));
    return pixmap;
}

QPixmap lookFigurePicture(Facing facing)
{
    QPixmap pixmap = blank(40);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // The facing numbers go counter-clockwise, a painter's angles clockwise.
    painter.translate(20, 20);
    painter.rotate(-45.0 * int(facing));
    painter.translate(-20, -20);
    painter.setPen(QPen(QColor(50, 60, 80), 1.5));
    painter.setBrush(QColor(90, 140, 200));
    painter.drawEllipse(QRectF(6, 12, 28, 20));                 // shoulders
    painter.setBrush(QColor(240, 200, 160));
    painter.drawEllipse(QRectF(12, 14, 16, 16));                // head
    QPolygonF nose;                                             // the facing, towards the top
    nose << QPointF(20, 3) << QPointF(15, 12) << QPointF(25, 12);
    painter.setBrush(QColor(200, 80, 60));
    painter.drawPolygon(nose);
    return pixmap;
}

QIcon spriteListIcon()
{
    QPixmap pixmap = blank(20);
    QPainter painter(&pixmap);
    painter.setPen(QColor(50, 60, 80));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            painter.setBrush(row == column ? QColor(90, 140, 200) : QColor(240, 200, 160));
            painter.drawRect(2 + column * 9, 2 + row * 9, 7, 7);
        }
    }
    return QIcon(pixmap);
}

QIcon mapLocationIcon()
{
    QPixmap pixmap = blank(20);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(50, 60, 80));
    QPolygonF sheet;
    sheet << QPointF(1, 4) << QPointF(7, 2) << QPointF(13, 4) << QPointF(19, 2)
          << QPointF(19, 17) << QPointF(13, 19) << QPointF(7, 17) << QPointF(1, 19);
    painter.setBrush(QColor(200, 225, 180));
    painter.drawPolygon(sheet);
    painter.setBrush(QColor(200, 80, 60));
    painter.drawEllipse(QRectF(8, 6, 6, 6));
    return QIcon(pixmap);
}
