#include "hub/ui/views/DialView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "hub/ui/views/ViewHelpers.h"

namespace kolt {

namespace {

QColor colour(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// Sizes in the appearance are for a dial of this many pixels across.
constexpr double kReferenceSide = 300.0;
constexpr double kFontReferenceSide = 600.0;
constexpr int kMaxTicsPerGroup = 720;

double radians(double degreesClockwiseFromTop) {
    return degreesClockwiseFromTop * std::numbers::pi / 180.0;
}

QString valueText(double v) {
    return QString::number(static_cast<long long>(std::lround(v)));
}

}  // namespace

DialView::DialView(Dial& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(40, 40);
    setCursor(Qt::CrossCursor);
}

void DialView::sync() {
    if (isVisible() != model_.visible) setVisible(model_.visible);
    setEnabled(model_.enabled);
    if (model_.appearance.picture != picturePath_) {
        picturePath_ = model_.appearance.picture;
        picture_ = picturePath_.empty() ? QPixmap() : QPixmap(qs(picturePath_));
    }
    update();
}

DialView::Face DialView::face() const {
    Face f;
    const DialScale& scale = model_.appearance.scale;
    f.half = scale.sweepAngle <= 180.0 && scale.startAngle == -90.0;
    const DialBackground& b = model_.appearance.background;
    const double w = width();
    const double h = height();
    constexpr double kSkirt = 0.35;
    f.side = f.half ? std::min(w, 2.0 * h / (1.0 + kSkirt)) : std::min(w, h);
    const double rim = (b.bevelWidth * 2 + b.borderWidth + 4) * f.side / kReferenceSide;
    f.radius = std::max(1.0, f.side / 2.0 - rim);
    if (f.half) {
        f.skirt = kSkirt * f.radius;
        const double used = f.radius + f.skirt;
        f.centre = QPointF(w / 2.0, (h - used) / 2.0 + f.radius);
        f.bounds =
            QRectF(w / 2.0 - f.side / 2.0, f.centre.y() - f.radius - rim, f.side, used + 2 * rim);
    } else {
        f.centre = QPointF(w / 2.0, h / 2.0);
        f.bounds = QRectF(f.centre - QPointF(f.side / 2, f.side / 2), QSizeF(f.side, f.side));
    }
    return f;
}

QPainterPath DialView::outline(const Face& f, double grow) const {
    QPainterPath path;
    const double r = f.radius + grow;
    if (!f.half) {
        path.addEllipse(f.centre, r, r);
        return path;
    }
    const double x = f.centre.x();
    const double y = f.centre.y();
    const double bottom = y + f.skirt + grow;
    const double corner = std::min(f.skirt, r) * 0.6;
    path.moveTo(x - r, y);
    path.arcTo(QRectF(x - r, y - r, 2 * r, 2 * r), 180, -180);
    path.lineTo(x + r, bottom - corner);
    path.quadTo(x + r, bottom, x + r - corner, bottom);
    path.lineTo(x - r + corner, bottom);
    path.quadTo(x - r, bottom, x - r, bottom - corner);
    path.closeSubpath();
    return path;
}

QPointF DialView::pointAt(double value, double radius) const {
    const Face f = face();
    const double a = radians(model_.appearance.scale.angleOf(value));
    return f.centre + QPointF(std::sin(a), -std::cos(a)) * (radius * f.radius);
}

double DialView::valueAt(QPointF point) const {
    const QPointF d = point - face().centre;
    const double angle = std::atan2(d.x(), -d.y()) * 180.0 / std::numbers::pi;
    return model_.appearance.scale.valueAt(angle);
}

QFont DialView::fontFor(int id, double side) const {
    const auto& fonts = model_.appearance.fonts;
    DialFont spec;
    if (id >= 0 && static_cast<std::size_t>(id) < fonts.size())
        spec = fonts[static_cast<std::size_t>(id)];
    QFont font(qs(spec.name));
    font.setBold(spec.bold);
    font.setPixelSize(
        std::max(7, static_cast<int>(std::lround(spec.size * side / kFontReferenceSide))));
    return font;
}

void DialView::prepareLayers(const Face& f) {
    DialAppearance look = model_.appearance;
    for (DialSector& s : look.sectors)
        s.floatOffset = 0;  // the sectors move with the position: not in the layers
    const qreal ratio = devicePixelRatioF();
    if (!layers_.face.isNull() && layers_.size == size() && layers_.ratio == ratio &&
        layers_.connection == model_.connectionColour && layers_.look == look) {
        return;
    }
    const auto layer = [&] {
        QPixmap pixmap(size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        return pixmap;
    };
    layers_.face = layer();
    layers_.marks = layer();
    {
        QPainter p(&layers_.face);
        p.setRenderHint(QPainter::Antialiasing);
        paintBackground(p, f);
    }
    {
        QPainter p(&layers_.marks);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintTics(p, f);
        paintCaptions(p, f);
    }
    layers_.look = std::move(look);
    layers_.connection = model_.connectionColour;
    layers_.size = size();
    layers_.ratio = ratio;
}

void DialView::paintEvent(QPaintEvent*) {
    const Face f = face();
    prepareLayers(f);
    QPainter p(this);
    p.drawPixmap(0, 0, layers_.face);
    p.setRenderHint(QPainter::Antialiasing);
    paintSectors(p, f);
    p.drawPixmap(0, 0, layers_.marks);
    paintNeedles(p, f);
    if (!isEnabled()) p.fillRect(rect(), QColor(128, 128, 128, 96));
}

void DialView::paintBackground(QPainter& p, const Face& f) const {
    const DialBackground& b = model_.appearance.background;
    const double scale = f.side / kReferenceSide;
    p.fillRect(rect(), colour(b.backColor));

    const double bevelWidth = b.bevelWidth * scale;
    const double borderWidth = std::max(1.5, b.borderWidth * scale * 1.5);
    const double outerGrow = 2 * bevelWidth + borderWidth;
    // Bevels: a ring lit from the upper left when raised, from the lower right when lowered.
    const auto bevel = [&](double outer, double width, std::int32_t style) {
        if (style == static_cast<std::int32_t>(BevelStyle::None) || width <= 0) return;
        const bool raised = style == static_cast<std::int32_t>(BevelStyle::Raised);
        const QRectF box = outline(f, outer).boundingRect();
        QLinearGradient g(box.topLeft(), box.bottomRight());
        const QColor light = colour(b.backColor).lighter(210);
        const QColor dark = colour(b.backColor).darker(160);
        g.setColorAt(0, raised ? light : dark);
        g.setColorAt(1, raised ? dark : light);
        p.fillPath(outline(f, outer).subtracted(outline(f, outer - width)), g);
    };
    bevel(outerGrow, bevelWidth, b.bevelOuter);
    bevel(bevelWidth, bevelWidth, b.bevelInner);

    // The connection ring between the bevels.
    p.setPen(QPen(colour(model_.connectionColour), borderWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline(f, bevelWidth + borderWidth / 2));

    QRadialGradient faceGradient(f.centre - QPointF(f.radius * 0.3, f.radius * 0.3),
                                 f.radius * 1.6);
    faceGradient.setColorAt(0, colour(b.faceColor).lighter(106));
    faceGradient.setColorAt(1, colour(b.faceColor).darker(112));
    p.setPen(Qt::NoPen);
    p.setBrush(faceGradient);
    p.drawPath(outline(f, 0));

    if (!picture_.isNull()) {
        p.save();
        p.setClipPath(outline(f, 0));
        const QRectF target(f.centre - QPointF(f.radius, f.radius),
                            QSizeF(f.radius * 2, f.radius * 2));
        p.setOpacity(0.85);
        p.drawPixmap(target, picture_, picture_.rect());
        p.restore();
    }

    if (b.outline) {
        p.setPen(QPen(colour(b.outlineColor), std::max(1.0, b.outlineWidth * scale)));
        p.setBrush(Qt::NoBrush);
        const bool edge = b.outlineAlign == static_cast<std::int32_t>(OutlineAlign::Edge);
        p.drawPath(outline(f, edge ? outerGrow : 0));
    }
    if (!b.outlineTitle.empty()) {
        p.setPen(colour(b.outlineColor));
        p.setFont(fontFor(1, f.side));
        p.drawText(QRectF(0, 0, width(), f.bounds.top()), Qt::AlignCenter, qs(b.outlineTitle));
    }
}

void DialView::paintSectors(QPainter& p, const Face& f) const {
    const DialScale& scale = model_.appearance.scale;
    const auto& sectors = model_.appearance.sectors;
    for (std::size_t i = 0; i < sectors.size(); ++i) {
        if (!model_.sectorShown(i)) continue;
        const DialSector& s = sectors[i];
        const double a0 = scale.angleOf(s.startValue + s.floatOffset);
        const double a1 = scale.angleOf(s.stopValue + s.floatOffset);
        const double ro = s.outerRadius * f.radius;
        const double ri = s.innerRadius * f.radius;
        if (ro <= ri) continue;
        // Qt counts angles anticlockwise from three o'clock.
        const double start = 90.0 - a0;
        const double sweep = -(a1 - a0);
        QPainterPath path;
        const QRectF outerBox(f.centre - QPointF(ro, ro), QSizeF(2 * ro, 2 * ro));
        const QRectF innerBox(f.centre - QPointF(ri, ri), QSizeF(2 * ri, 2 * ri));
        path.arcMoveTo(outerBox, start);
        path.arcTo(outerBox, start, sweep);
        path.arcTo(innerBox, start + sweep, -sweep);
        path.closeSubpath();
        QColor c = colour(s.color);
        c.setAlpha(200);
        p.fillPath(path, c);
    }
}

void DialView::paintTics(QPainter& p, const Face& f) const {
    const DialScale& scale = model_.appearance.scale;
    const double px = f.side / kReferenceSide;
    for (const DialTicGroup& t : model_.appearance.tics) {
        if (t.delta <= 0 || t.stopValue < t.startValue) continue;
        const QColor c = colour(t.labelColor);
        const QFont font = fontFor(t.labelFontId, f.side);
        const int count = std::min(
            kMaxTicsPerGroup, static_cast<int>((t.stopValue - t.startValue) / t.delta + 1e-9) + 1);
        for (int k = 0; k < count; ++k) {
            const double v = t.startValue + k * t.delta;
            const double shown = v + t.floatOffset;
            const double a = radians(scale.angleOf(shown));
            const QPointF dir(std::sin(a), -std::cos(a));
            switch (static_cast<TicStyle>(t.style)) {
                case TicStyle::Dot: {
                    p.setPen(Qt::NoPen);
                    p.setBrush(c);
                    const double r = std::max(1.0, t.width * px);
                    p.drawEllipse(f.centre + dir * (t.outerRadius * f.radius), r, r);
                    break;
                }
                case TicStyle::Wedge: {
                    // A point of the rose: a slim kite from the centre to the tip.
                    const double half = radians(t.width);
                    const QPointF left(std::sin(a - half), -std::cos(a - half));
                    const QPointF right(std::sin(a + half), -std::cos(a + half));
                    const double base = std::max(t.innerRadius, 0.08) * f.radius;
                    QPolygonF kite;
                    kite << f.centre << f.centre + left * base
                         << f.centre + dir * (t.outerRadius * f.radius) << f.centre + right * base;
                    p.setPen(QPen(c.darker(130), 0.8));
                    p.setBrush(c);
                    p.drawPolygon(kite);
                    break;
                }
                default:
                    p.setPen(QPen(c, std::max(0.8, t.width * px), Qt::SolidLine, Qt::FlatCap));
                    p.drawLine(f.centre + dir * (t.innerRadius * f.radius),
                               f.centre + dir * (t.outerRadius * f.radius));
                    break;
            }
            if (!t.labelOn) continue;
            const QPointF at = f.centre + dir * (t.labelRadius * f.radius);
            p.setPen(c);
            p.setFont(font);
            const QString text = valueText(v);
            const QFontMetricsF m(font);
            const QRectF box(-m.horizontalAdvance(text) / 2 - 2, -m.height() / 2,
                             m.horizontalAdvance(text) + 4, m.height());
            p.save();
            p.translate(at);
            if (t.labelRotated) p.rotate(scale.angleOf(shown));
            p.drawText(box, Qt::AlignCenter, text);
            p.restore();
        }
    }
}

void DialView::paintCaptions(QPainter& p, const Face& f) const {
    const QRectF& square = f.bounds;
    for (const DialCaption& c : model_.appearance.captions) {
        if (c.text.empty()) continue;
        const QFont font = fontFor(c.fontId, f.side);
        p.setFont(font);
        p.setPen(colour(c.color));
        const QPointF at(square.left() + c.x * square.width(),
                         square.top() + c.y * square.height());
        const QFontMetricsF m(font);
        const double w = m.horizontalAdvance(qs(c.text)) + 4;
        p.drawText(QRectF(at.x() - w / 2, at.y() - m.height() / 2, w, m.height()), Qt::AlignCenter,
                   qs(c.text));
    }
}

void DialView::paintNeedles(QPainter& p, const Face& f) const {
    const auto& needles = model_.appearance.needles;
    const double px = f.side / kReferenceSide;
    const int count = std::min<int>(model_.needleCount, static_cast<int>(needles.size()));
    // The target under the back direction under the position.
    for (const int i : {1, 2, 0}) {
        if (i >= count) continue;
        const DialNeedle& n = needles[static_cast<std::size_t>(i)];
        const double a =
            radians(model_.appearance.scale.angleOf(model_.needle[static_cast<std::size_t>(i)]));
        const QPointF dir(std::sin(a), -std::cos(a));
        const QPointF normal(-dir.y(), dir.x());
        const QPointF tip = f.centre + dir * (n.length * f.radius);
        const double w = std::max(1.0, n.width * px);
        const QColor c = colour(n.color);
        if (n.shape == "Line" || n.shape == "Arrow") {
            QPen pen(c, w, n.shape == "Line" ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap);
            p.setPen(pen);
            p.drawLine(f.centre, tip);
            if (n.shape == "Arrow") {
                QPolygonF head;
                head << tip << tip - dir * (w * 4) + normal * (w * 2)
                     << tip - dir * (w * 4) - normal * (w * 2);
                p.setBrush(c);
                p.drawPolygon(head);
            }
            continue;
        }
        // "Pointer": a tapered blade with a short tail.
        QPolygonF blade;
        blade << tip << f.centre + normal * (w / 2) << f.centre - dir * (w * 1.5)
              << f.centre - normal * (w / 2);
        p.setPen(QPen(c.darker(140), 0.8));
        p.setBrush(c);
        p.drawPolygon(blade);
    }
    // The hub over the needles' roots.
    const double hub = std::max(3.0, 7 * px);
    p.setPen(QPen(colour(model_.connectionColour), std::max(1.0, 1.5 * px)));
    p.setBrush(QColor(60, 64, 72));
    p.drawEllipse(f.centre, hub, hub);
}

void DialView::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    const int code = event->button() == Qt::LeftButton     ? 1
                     : event->button() == Qt::RightButton  ? 2
                     : event->button() == Qt::MiddleButton ? 4
                                                           : 0;
    if (code != 0) model_.pressButton(code);
    if (event->button() == Qt::LeftButton) model_.clickAt(valueAt(at));
    sync();
}

}  // namespace kolt
