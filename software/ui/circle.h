// A translucent ring drawn over the product picture, pointing at one of the
// pictured device's buttons.
#pragma once

#include "guisettings.h"

#include <QWidget>

class Circle : public QWidget {
    Q_OBJECT

public:
    // spec holds coordinates already scaled to the window; (x, y) becomes the
    // centre of the widget in the parent.
    Circle(const CircleSpec &spec, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int x;
    int y;
    int radius;
    int penWidth;
    QColor color;
};
