#include "circle.h"

#include <QPainter>

Circle::Circle(const CircleSpec &spec, QWidget *parent)
    : QWidget(parent), x(spec.x), y(spec.y), radius(spec.radius), penWidth(spec.pen_width), color(spec.color)
{
    setBackgroundRole(QPalette::Base);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(2 * radius, 2 * radius);
    move(x - radius, y - radius);
}

void Circle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QBrush(color), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    // The stroke is centred on the ellipse, so the ring reaches the widget's edges.
    const int half = penWidth / 2;
    painter.drawEllipse(QRect(QPoint(half, half), QPoint(2 * radius - half - 1, 2 * radius - half - 1)));
}
