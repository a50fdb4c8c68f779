#include "ui/Artwork.h"

#include <QLinearGradient>
#include <QPainter>

namespace corvane {

QPixmap SignalArtwork(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(18, 32, 72));
    sky.setColorAt(0.7, QColor(190, 96, 48));
    sky.setColorAt(1.0, QColor(40, 40, 40));
    painter.fillRect(picture.rect(), sky);

    // The road and its centre line.
    painter.fillRect(QRectF(0, h * 0.82, w, h * 0.18), QColor(48, 48, 52));
    painter.setPen(QPen(QColor(230, 200, 40), h * 0.012, Qt::DashLine));
    painter.drawLine(QPointF(0, h * 0.91), QPointF(w, h * 0.91));

    // The mast arm and the signal head hanging from it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 70, 74));
    painter.drawRect(QRectF(w * 0.12, h * 0.10, w * 0.05, h * 0.74));
    painter.drawRect(QRectF(w * 0.12, h * 0.12, w * 0.62, h * 0.035));
    const QRectF head(w * 0.52, h * 0.16, w * 0.26, h * 0.56);
    painter.setBrush(QColor(20, 70, 52));
    painter.drawRoundedRect(head, w * 0.03, w * 0.03);

    const QColor lamps[] = {QColor(255, 0, 0), QColor(60, 50, 0), QColor(0, 60, 0)};
    const qreal diameter = head.width() * 0.7;
    for (int i = 0; i < 3; ++i) {
        const QPointF centre(head.center().x(), head.top() + head.height() * (i + 0.5) / 3.0);
        if (i == 0) {
            QRadialGradient glow(centre, diameter);
            glow.setColorAt(0.0, QColor(255, 60, 40, 160));
            glow.setColorAt(1.0, QColor(255, 60, 40, 0));
            painter.setBrush(glow);
            painter.drawEllipse(centre, diameter, diameter);
        }
        painter.setBrush(lamps[i]);
        painter.drawEllipse(centre, diameter / 2, diameter / 2);
    }
    return picture;
}

}  // namespace corvane
