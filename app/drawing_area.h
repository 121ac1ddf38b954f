// The drawing area: paints the document through the drawing core onto an off-screen image and
// shows it in one step; reports mouse actions to the window.
#pragma once

#include "app/fast_raster.h"
#include "app/relations_view.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace trimora {

struct Document;

class DrawingArea : public QWidget {
    Q_OBJECT
public:
    explicit DrawingArea(QWidget* parent = nullptr);

    // Paints the whole picture now (synchronously) and shows it.
    void Render(Document& doc, bool resultsShown);
    // The shown picture: widget size times the screen's device pixel ratio, which it carries.
    const QImage& Image() const { return image_; }
    void SetAntialiasing(bool on) { antialiasing_ = on; }
    // A chosen relation drawn over the picture; nothing clears it.
    void SetHighlight(std::optional<RelationHighlight> h) {
        highlight_ = std::move(h);
        update();
    }
    const std::optional<RelationHighlight>& Highlight() const { return highlight_; }
    // The marked point whose relations the list shows, ringed over the picture.
    void SetChosenPoint(std::optional<QPointF> at) {
        chosenPoint_ = at;
        update();
    }
    const std::optional<QPointF>& ChosenPoint() const { return chosenPoint_; }
    // The vertex that the arrow keys move, ringed while the drawing area has the keyboard.
    void SetKeyVertex(std::optional<QPointF> at) {
        keyVertex_ = at;
        update();
    }
    const std::optional<QPointF>& KeyVertex() const { return keyVertex_; }

    std::function<void(QMouseEvent*)> onPress, onMove, onRelease;
    std::function<void(int steps)> onWheel; // positive: away from the user
    std::function<bool(QKeyEvent*)> onKey;  // true: the key was used
    std::function<void()> onResized;
    std::function<void()> onPainted; // after the picture reached the screen
    std::function<void()> onRatioChanged; // the window went to a screen of another pixel density

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QImage image_;
    FastRaster raster_;
    bool antialiasing_ = true;
    int wheelRemainder_ = 0;
    std::optional<RelationHighlight> highlight_;
    std::optional<QPointF> chosenPoint_;
    std::optional<QPointF> keyVertex_;
};

} // namespace trimora
