#pragma once

#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <string>

#include "hub/ui/Dial.h"

namespace kolt {

// A dial on screen: paints its model, scaled to the widget, and turns mouse
// presses into the model's events.
class DialView : public QWidget {
  public:
    explicit DialView(Dial& model, QWidget* parent = nullptr);

    void sync();

    // The value under a point of the widget, on the dial's scale.
    double valueAt(QPointF point) const;
    // The widget point at a value and a fraction of the face's radius.
    QPointF pointAt(double value, double radius) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    struct Face {
        QPointF centre;
        double radius = 0;  // of the face, inside bevel and border
        double side = 0;    // the size the attributes scale with
        bool half = false;  // a scale of half a turn or less: a half disc
        double skirt = 0;   // below a half disc's centre, for the caption
        QRectF bounds;      // the face and its rim; captions are placed in it
    };
    Face face() const;
    // The face's shape, grown outwards by a number of pixels.
    QPainterPath outline(const Face& f, double grow) const;
    void paintBackground(QPainter& p, const Face& f) const;
    void paintSectors(QPainter& p, const Face& f) const;
    void paintTics(QPainter& p, const Face& f) const;
    void paintCaptions(QPainter& p, const Face& f) const;
    void paintNeedles(QPainter& p, const Face& f) const;
    QFont fontFor(int id, double side) const;

    // What does not move with the needles is painted once into two layers:
    // the face under the sectors, and the tics, labels and captions over them.
    struct Layers {
        DialAppearance look;
        Rgb connection;
        QSize size;
        qreal ratio = 1;
        QPixmap face;
        QPixmap marks;
    };
    void prepareLayers(const Face& f);

    Dial& model_;
    std::string picturePath_;
    QPixmap picture_;
    Layers layers_;
};

}  // namespace kolt
