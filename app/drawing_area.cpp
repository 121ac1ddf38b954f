#include "app/drawing_area.h"

#include "app/qpainter_canvas.h"
#include "draw/document.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace trimora {

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(50, 50);
    setFocusPolicy(Qt::StrongFocus); // a click or Tab: then the keys choose and move a vertex
}

void DrawingArea::Render(Document& doc, bool resultsShown) {
    // On a high-density screen the picture is drawn with all the screen's pixels; the document and
    // the mouse keep counting in the widget's own (logical) pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize size(std::max(1, width()), std::max(1, height()));
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    raster_.Render(doc, image_, resultsShown, antialiasing_);
    update();
}

void DrawingArea::paintEvent(QPaintEvent*) {
    // On a screen of another density the picture is drawn anew for it rather than stretched.
    if (!image_.isNull() && image_.devicePixelRatio() != devicePixelRatioF() && onRatioChanged)
        onRatioChanged();
    QPainter p(this);
    if (image_.isNull())
        p.fillRect(rect(), Qt::white);
    else
        p.drawImage(0, 0, image_);
    if (highlight_) PaintHighlight(p, *highlight_, size());
    if (chosenPoint_) PaintChosenPoint(p, *chosenPoint_);
    if (hasFocus() && keyVertex_) {
        // The vertex the arrow keys move: a ring round it.
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x30, 0x60, 0xC0), 2));
        p.drawEllipse(*keyVertex_, 9, 9);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    if (hasFocus()) {
        // The keyboard works here: a thin frame says so.
        p.setPen(QPen(QColor(0x30, 0x60, 0xC0), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (onPainted) onPainted();
}

void DrawingArea::resizeEvent(QResizeEvent*) {
    if (onResized) onResized();
}

void DrawingArea::mousePressEvent(QMouseEvent* e) {
    if (onPress) onPress(e);
}

void DrawingArea::mouseMoveEvent(QMouseEvent* e) {
    if (onMove) onMove(e);
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* e) {
    if (onRelease) onRelease(e);
}

void DrawingArea::wheelEvent(QWheelEvent* e) {
    // One notch is 120; touchpads send smaller amounts that add up.
    wheelRemainder_ += e->angleDelta().y();
    const int steps = wheelRemainder_ / 120;
    wheelRemainder_ -= steps * 120;
    if (steps != 0 && onWheel) onWheel(steps);
    e->accept();
}

void DrawingArea::keyPressEvent(QKeyEvent* e) {
    if (onKey && onKey(e))
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

void DrawingArea::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void DrawingArea::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

} // namespace trimora
