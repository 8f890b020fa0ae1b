#include "SamplerPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace dorvale {

namespace {

QIcon draw(const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return QIcon(pixmap);
}

// A sheet of paper with a folded corner and lines of text: the picture of one item.
void sheet(QPainter& p)
{
    QPainterPath outline;
    outline.moveTo(2.5, 1.5);
    outline.lineTo(9.5, 1.5);
    outline.lineTo(12.5, 4.5);
    outline.lineTo(12.5, 14.5);
    outline.lineTo(2.5, 14.5);
    outline.closeSubpath();
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(Qt::white);
    p.drawPath(outline);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
    p.setPen(QPen(QColor(0, 0, 160), 1));
    for (int y = 7; y <= 12; y += 2)
        p.drawLine(QPointF(4.5, y + 0.5), QPointF(10.5, y + 0.5));
}

void cross(QPainter& p, const QRectF& box, qreal width)
{
    p.setPen(QPen(QColor(200, 0, 0), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

} // namespace

QList<QIcon> samplerImageList()
{
    QList<QIcon> images;
    images << draw([](QPainter& p) { sheet(p); });
    images << draw([](QPainter& p) {
        sheet(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 150, 0));
        p.drawRect(QRectF(10, 7, 3, 9));
        p.drawRect(QRectF(7, 10, 9, 3));
    });
    images << draw([](QPainter& p) {
        sheet(p);
        // A pencil across the sheet, point down to the left.
        p.translate(9, 8);
        p.rotate(45);
        p.setPen(QPen(QColor(90, 60, 0), 1));
        p.setBrush(QColor(250, 200, 0));
        p.drawRect(QRectF(-1.5, -7, 3, 9));
        QPolygonF point;
        point << QPointF(-1.5, 2) << QPointF(1.5, 2) << QPointF(0, 5);
        p.setBrush(QColor(240, 210, 160));
        p.drawPolygon(point);
    });
    images << draw([](QPainter& p) {
        sheet(p);
        cross(p, QRectF(6.5, 7.5, 7, 7), 2.2);
    });
    return images;
}

QIcon saveGlyph()
{
    return draw([](QPainter& p) {
        p.setPen(QPen(QColor(0, 150, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(2.5, 8.5);
        tick.lineTo(6.5, 12.5);
        tick.lineTo(13.5, 3.5);
        p.drawPath(tick);
    });
}

QIcon cancelGlyph()
{
    return draw([](QPainter& p) { cross(p, QRectF(3.5, 3.5, 9, 9), 2.6); });
}

} // namespace dorvale
