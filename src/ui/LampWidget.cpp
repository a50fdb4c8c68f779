#include "ui/LampWidget.h"

#include <QPainter>

namespace corvane {

LampWidget::LampWidget(QColor litColour, QWidget* parent) : QWidget(parent), litColour_(litColour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LampWidget::SetLit(bool lit) {
    if (lit_ != lit) {
        lit_ = lit;
        update();
    }
}

void LampWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(lit_ ? litColour_ : QColor(Qt::black));
    painter.drawEllipse(circle);
}

}  // namespace corvane
