#include "app/qpainter_canvas.h"

#include "app/clip.h"
#include "draw/document.h"
#include "paint/paint.h"

#include <QFont>
#include <QPolygon>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

QColor ToQColor(Color c) {
    return QColor(c.r, c.g, c.b);
}

Qt::BrushStyle ToQtBrushStyle(BrushStyle s) {
    switch (s) {
    case BrushStyle::Solid:
        return Qt::SolidPattern;
    case BrushStyle::Clear:
        return Qt::NoBrush;
    case BrushStyle::BDiagonal: // lines from bottom left to top right
        return Qt::BDiagPattern;
    case BrushStyle::FDiagonal:
        return Qt::FDiagPattern;
    case BrushStyle::Horizontal:
        return Qt::HorPattern;
    }
    return Qt::SolidPattern;
}

struct Cubic {
    QPointF p0, p1, p2, p3;
};

// The pieces of the cubic that may meet the view, split exactly (de Casteljau), so that they lie
// on the very curve of the whole outline; pieces that join continue one subpath.
void AddVisiblePieces(const Cubic& c, const QRectF& view, QPainterPath& path, int depth) {
    const double left = std::min({c.p0.x(), c.p1.x(), c.p2.x(), c.p3.x()});
    const double right = std::max({c.p0.x(), c.p1.x(), c.p2.x(), c.p3.x()});
    const double top = std::min({c.p0.y(), c.p1.y(), c.p2.y(), c.p3.y()});
    const double bottom = std::max({c.p0.y(), c.p1.y(), c.p2.y(), c.p3.y()});
    if (right < view.left() || left > view.right() || bottom < view.top() || top > view.bottom()) return;
    const bool inside =
        left >= view.left() && right <= view.right() && top >= view.top() && bottom <= view.bottom();
    if (inside || depth == 0) {
        if (path.elementCount() == 0 || path.currentPosition() != c.p0) path.moveTo(c.p0);
        path.cubicTo(c.p1, c.p2, c.p3);
        return;
    }
    const QPointF a = (c.p0 + c.p1) / 2, b = (c.p1 + c.p2) / 2, d = (c.p2 + c.p3) / 2;
    const QPointF ab = (a + b) / 2, bd = (b + d) / 2, mid = (ab + bd) / 2;
    AddVisiblePieces({c.p0, a, ab, mid}, view, path, depth - 1);
    AddVisiblePieces({mid, bd, d, c.p3}, view, path, depth - 1);
}

} // namespace

QPainterPath VisibleOutline(const QRectF& ellipse, const QRectF& view) {
    QPainterPath whole;
    whole.addEllipse(ellipse);
    QPainterPath visible;
    for (int i = 1; i + 2 < whole.elementCount(); i += 3)
        AddVisiblePieces(
            {whole.elementAt(i - 1), whole.elementAt(i), whole.elementAt(i + 1), whole.elementAt(i + 2)},
            view, visible, 24);
    return visible;
}

QPainterCanvas::QPainterCanvas(QPainter& painter, int width, int height, bool antialiasing)
    : Canvas(width, height), painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void QPainterCanvas::ApplyPen() {
    const Pen& p = CurrentPen();
    if (penApplied_ && p == appliedPen_) return;
    if (p.style == PenStyle::Clear) {
        painter_.setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(p.color));
        pen.setWidth(std::max(1, p.width));
        pen.setStyle(p.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
    }
    appliedPen_ = p;
    penApplied_ = true;
}

void QPainterCanvas::ApplyBrush() {
    const Brush& b = CurrentBrush();
    if (brushApplied_ && b == appliedBrush_) return;
    painter_.setBrush(QBrush(ToQColor(b.color), ToQtBrushStyle(b.style)));
    appliedBrush_ = b;
    brushApplied_ = true;
}

void QPainterCanvas::ApplyFont() {
    const Font& f = CurrentFont();
    if (fontApplied_ && f == appliedFont_) return;
    QFont font(QString::fromStdString(f.name));
    // Points at the screen's 96 dots per inch, so that pictures do not depend on the device.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pointSize * 96.0 / 72.0))));
    painter_.setFont(font);
    appliedFont_ = f;
    fontApplied_ = true;
}

QRectF QPainterCanvas::View() const {
    const double margin = std::max(1, CurrentPen().width) + 2.0;
    return QRectF(-margin, -margin, Width() + 2 * margin, Height() + 2 * margin);
}

QRectF QPainterCanvas::Reach() const {
    const double reach = std::max(Width(), Height());
    return View().adjusted(-reach, -reach, reach, reach);
}

bool QPainterCanvas::WithinReach(std::span<const IntPoint> points) const {
    const QRectF reach = Reach();
    return std::all_of(points.begin(), points.end(), [&](IntPoint p) { return reach.contains(QPointF(p.x, p.y)); });
}

void QPainterCanvas::StrokeClipped(const QLineF& line) {
    std::optional<QLineF> part = ClipSegment(line, View());
    if (!part) return;
    if (CurrentPen().style == PenStyle::Dot && line.length() > 0) {
        // A dotted line starts a whole number of its periods (a dot and a gap of two, in pen
        // widths) from where the whole line starts, so that its dots stay where they were.
        const double period = 3.0 * std::max(1, CurrentPen().width);
        const double skipped = std::floor(QLineF(line.p1(), part->p1()).length() / period) * period;
        part->setP1(line.pointAt(skipped / line.length()));
    }
    painter_.drawLine(*part);
}

void QPainterCanvas::PolygonClipped(const QPolygonF& polygon, bool quickFill) {
    const QPolygonF part = ClipPolygon(polygon, View());
    const bool smooth = painter_.testRenderHint(QPainter::Antialiasing);
    ApplyPen();
    ApplyBrush();
    // The new edges run along the view's border, outside the picture. (A dotted outline may
    // start its pattern elsewhere; the program draws no dotted polygon.)
    if (!quickFill) {
        painter_.drawPolygon(part);
        return;
    }
    painter_.setPen(Qt::NoPen);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.drawPolygon(part);
    painter_.setRenderHint(QPainter::Antialiasing, smooth);
    penApplied_ = false;
    if (CurrentPen().style == PenStyle::Clear) return;
    ApplyPen();
    painter_.setBrush(Qt::NoBrush);
    brushApplied_ = false;
    painter_.drawPolygon(part);
}

void QPainterCanvas::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QPainterCanvas::LineTo(int x, int y) {
    ApplyPen();
    const QPoint to(x, y);
    const IntPoint ends[2] = {{position_.x(), position_.y()}, {x, y}};
    if (WithinReach(ends))
        painter_.drawLine(position_, to);
    else
        StrokeClipped(QLineF(position_, to));
    position_ = to;
}

void QPainterCanvas::Lines(std::span<const QLine> lines) {
    ApplyPen();
    const QRectF reach = Reach();
    auto near = [&](const QLine& l) { return reach.contains(QPointF(l.p1())) && reach.contains(QPointF(l.p2())); };
    if (std::all_of(lines.begin(), lines.end(), near)) {
        painter_.drawLines(lines.data(), static_cast<int>(lines.size()));
        return;
    }
    for (const QLine& l : lines) {
        if (near(l))
            painter_.drawLine(l);
        else
            StrokeClipped(QLineF(l));
    }
}

namespace {

QPolygonF RealPolygon(std::span<const IntPoint> points) {
    QPolygonF polygon;
    for (const IntPoint& p : points) polygon.append(QPointF(p.x, p.y));
    return polygon;
}

} // namespace

void QPainterCanvas::PolygonQuickFill(std::span<const IntPoint> points) {
    if (!WithinReach(points)) {
        PolygonClipped(RealPolygon(points), true);
        return;
    }
    QVarLengthArray<QPoint, 16> qpoints;
    for (const IntPoint& p : points)
        qpoints.append(QPoint(p.x, p.y));
    const bool smooth = painter_.testRenderHint(QPainter::Antialiasing);
    ApplyBrush();
    painter_.setPen(Qt::NoPen);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.drawPolygon(qpoints.constData(), static_cast<int>(qpoints.size()));
    painter_.setRenderHint(QPainter::Antialiasing, smooth);
    penApplied_ = false;
    brushApplied_ = false;
    if (CurrentPen().style == PenStyle::Clear) return;
    ApplyPen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(qpoints.constData(), static_cast<int>(qpoints.size()));
}

void QPainterCanvas::Outline(const QPainterPath& path) {
    ApplyPen();
    painter_.setBrush(Qt::NoBrush);
    brushApplied_ = false;
    painter_.drawPath(path);
}

// The box excludes its right and bottom edges.
QRectF EllipseBox(int left, int top, int right, int bottom) {
    return QRectF(left + 0.5, top + 0.5, right - left - 1.0, bottom - top - 1.0);
}

void QPainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    // QPainter flattens each quarter of a smoothed outline into at most 64 chords, which for a
    // circle far larger than the picture strays pixels off the true circle: such an outline is
    // drawn as its visible arcs, each flattened on its own. Vector devices keep the ellipse.
    const double reach = std::max(1, CurrentPen().width) + 2.0;
    const QRectF view(-reach, -reach, Width() + 2 * reach, Height() + 2 * reach);
    if (CurrentBrush().style == BrushStyle::Clear && painter_.testRenderHint(QPainter::Antialiasing) &&
        painter_.device()->devType() == QInternal::Image &&
        (left < view.left() || right > view.right() || top < view.top() || bottom > view.bottom())) {
        Outline(VisibleOutline(EllipseBox(left, top, right, bottom), view));
        return;
    }
    ApplyPen();
    ApplyBrush();
    painter_.drawEllipse(EllipseBox(left, top, right, bottom));
}

void QPainterCanvas::Polygon(std::span<const IntPoint> points) {
    if (!WithinReach(points)) {
        PolygonClipped(RealPolygon(points), false);
        return;
    }
    ApplyPen();
    ApplyBrush();
    QVarLengthArray<QPoint, 16> qpoints;
    for (const IntPoint& p : points)
        qpoints.append(QPoint(p.x, p.y));
    painter_.drawPolygon(qpoints.constData(), static_cast<int>(qpoints.size()));
}

void QPainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    const IntPoint corners[2] = {{left, top}, {right, bottom}};
    if (!WithinReach(corners)) {
        const double l = left + 0.5, t = top + 0.5, r = right - 0.5, b = bottom - 0.5;
        PolygonClipped(QPolygonF({QPointF(l, t), QPointF(r, t), QPointF(r, b), QPointF(l, b)}), false);
        return;
    }
    ApplyPen();
    ApplyBrush();
    painter_.drawRect(QRectF(left + 0.5, top + 0.5, right - left - 1.0, bottom - top - 1.0));
}

void QPainterCanvas::TextOut(int x, int y, std::string_view text) {
    ApplyFont();
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // Laid out from its top left corner; the box of the text is measured only for a background.
    const QRect from(x, y, 10000, 10000);
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop;
    // An opaque brush paints the text's background, as on the original drawing surface.
    if (CurrentBrush().style != BrushStyle::Clear)
        painter_.fillRect(painter_.fontMetrics().boundingRect(from, kFlags, s), ToQColor(CurrentBrush().color));
    // Text is black whatever the pen; the pen is set again before the next line.
    painter_.setPen(Qt::black);
    painter_.drawText(from, kFlags, s);
    penApplied_ = false;
}

void QPainterCanvas::Polyline(std::span<const RealPoint> points) {
    if (points.size() < 2 || CurrentPen().style == PenStyle::Clear) return;
    // Within the point table's reach, as every other drawing coordinate.
    constexpr double kReach = 100000;
    QVarLengthArray<QPointF, 256> path;
    for (const RealPoint& p : points)
        if (std::isfinite(p.x) && std::isfinite(p.y))
            path.append(QPointF(std::clamp(p.x, -kReach, kReach), std::clamp(p.y, -kReach, kReach)));
    ApplyPen();
    QPen pen = painter_.pen();
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    penApplied_ = false; // the ends and joins are this call's own
    painter_.drawPolyline(path.constData(), static_cast<int>(path.size()));
}

void RegisterFontFallbacks() {
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
}

void RenderPicture(Document& doc, QImage& image, bool resultsShown, bool antialiasing) {
    image.fill(Qt::white);
    QPainter painter(&image); // scaled by the image's device pixel ratio
    const qreal ratio = image.devicePixelRatio();
    QPainterCanvas canvas(painter, qRound(image.width() / ratio), qRound(image.height() / ratio),
                          antialiasing);
    PaintDocument(doc, canvas, resultsShown);
}

} // namespace trimora
