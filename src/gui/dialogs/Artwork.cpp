#include "dialogs/Artwork.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace dialogs {
namespace {

// A transparent canvas of `size` logical pixels, as fine as the screen's pixels.
QPixmap Canvas(int size) {
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap TipPicture() {
    QPixmap pixmap = Canvas(48);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(QColor(255, 196, 0), 2, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& ray :
         {QLineF(24, 1, 24, 4), QLineF(7, 8, 9.5, 10.5), QLineF(41, 8, 38.5, 10.5),
          QLineF(3, 20, 6, 20), QLineF(45, 20, 42, 20)}) {
        painter.drawLine(ray);
    }

    QPainterPath bulb;
    bulb.moveTo(18, 32);
    bulb.cubicTo(18, 27, 10, 25, 10, 19);
    bulb.arcTo(10, 6, 28, 28, 180, -180);
    bulb.cubicTo(38, 25, 30, 27, 30, 32);
    bulb.closeSubpath();
    QRadialGradient glow(QPointF(21, 15), 18);
    glow.setColorAt(0, QColor(255, 255, 235));
    glow.setColorAt(0.5, QColor(255, 236, 110));
    glow.setColorAt(1, QColor(244, 190, 20));
    painter.setPen(QPen(QColor(176, 128, 0), 1.2));
    painter.setBrush(glow);
    painter.drawPath(bulb);

    QLinearGradient metal(QPointF(17, 0), QPointF(31, 0));
    metal.setColorAt(0, QColor(120, 120, 128));
    metal.setColorAt(0.4, QColor(226, 226, 232));
    metal.setColorAt(1, QColor(110, 110, 118));
    painter.setPen(QPen(QColor(80, 80, 88), 1));
    painter.setBrush(metal);
    for (int ring = 0; ring < 3; ++ring) {
        painter.drawRoundedRect(QRectF(17, 33 + ring * 3.5, 14, 3.5), 1.5, 1.5);
    }
    painter.setBrush(QColor(70, 70, 76));
    painter.drawEllipse(QRectF(20.5, 43, 7, 4));
    return pixmap;
}

QPixmap ProgramPicture() {
    QPixmap pixmap = Canvas(64);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor frame(60, 72, 96);

    // The closed box with its arrow button.
    painter.setPen(QPen(frame, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(4, 5, 56, 14), 2, 2);
    painter.setBrush(QColor(214, 222, 236));
    painter.drawRoundedRect(QRectF(46, 5, 14, 14), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(frame);
    painter.drawPolygon(QPolygonF({QPointF(49.5, 10), QPointF(56.5, 10), QPointF(53, 14.5)}));
    painter.drawRect(QRectF(8, 10.5, 24, 3));

    // The open list: a heading, its entries, the chosen one highlighted.
    painter.setPen(QPen(frame, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4, 21, 44, 39));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 96, 200));
    painter.drawRect(QRectF(5, 37, 42, 8));
    painter.setBrush(frame);
    painter.drawRect(QRectF(8, 25, 22, 4));
    painter.setBrush(QColor(140, 150, 170));
    painter.drawRect(QRectF(14, 32, 24, 2.5));
    painter.drawRect(QRectF(14, 51, 20, 2.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(14, 39.75, 28, 2.5));
    return pixmap;
}

QPixmap MakerPicture() {
    QPixmap pixmap = Canvas(48);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(3, 3, 42, 42);
    QPainterPath outline;
    outline.addEllipse(badge);

    painter.setClipPath(outline);
    painter.fillRect(badge, QColor(150, 96, 48));
    painter.setPen(QPen(QColor(92, 56, 26), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int stripe = -2; stripe < 6; ++stripe) {
        const qreal x = 3 + stripe * 9;
        painter.drawLine(QLineF(x, 47, x + 20, 1));
    }
    painter.setClipping(false);
    painter.setPen(QPen(QColor(60, 36, 16), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    QFont letter = painter.font();
    letter.setBold(true);
    letter.setPixelSize(26);
    painter.setFont(letter);
    painter.setPen(QColor(255, 248, 230));
    painter.drawText(badge, Qt::AlignCenter, QStringLiteral("B"));
    return pixmap;
}

} // namespace dialogs
