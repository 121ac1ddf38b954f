// The main window's drawing area: its mouse (a vertex dragged, a point chosen for the loci or for
// the relations, the position read out), its wheel, keys and size.
#include "app/main_window.h"

#include "app/drawing_area.h"
#include "app/window_support.h"
#include "draw/point_table.h"

#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

namespace trimora {

using namespace window;

namespace {

// The hint of a triangle the picture cannot show, beside whatever the status line says.
QString WithBeyondHint(const Document& doc, const QString& text) {
    if (!TriangleBeyondDrawing(doc.points)) return text;
    return text.isEmpty() ? QString(kBeyondDrawing) : text + "   " + kBeyondDrawing;
}

} // namespace

void MainWindow::WireDrawingArea() {
    drawing_->onResized = [this] {
        if (!activated_ || session_.resultsMode) return;
        // The triangle keeps its world coordinates in the resized area.
        SyncSessionFromFields();
        session_.width = drawing_->width();
        session_.height = drawing_->height();
        ApplyTypedCoordinates(session_);
        Repaint();
    };
    drawing_->onRatioChanged = [this] { Repaint(); };
    drawing_->onPress = [this](QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        const int v = PickVertex(session_.doc, p.x(), p.y());
        if (v < 0) {
            if (!PickLocusPoint(e->position())) PickRelationPoint(e->position(), true);
            return;
        }
        dragVertex_ = v;
        dragMoved_ = false;
        keyVertex_ = v; // the arrow keys move the vertex last clicked
        if (e->button() == Qt::LeftButton) {
            dragging_ = true;
            SyncSessionFromFields();
            dragBefore_ = CaptureState(session_);
        }
    };
    drawing_->onMove = [this](QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        if (dragging_) {
            dragMoved_ = true;
            DragVertexTo(session_, dragVertex_, p.x(), p.y());
            SyncFieldsFromSession();
            if (!dragFrame_->isActive()) {
                constexpr qint64 kFrameMs = 16; // 60 repaints a second
                const qint64 since = QDateTime::currentMSecsSinceEpoch() - lastDragPaint_;
                dragFrame_->start(static_cast<int>(std::clamp<qint64>(kFrameMs - since, 0, kFrameMs)));
            }
            return;
        }
        if (const auto text = MouseReadout(session_, p.x(), p.y()))
            statusPanel_->setText(WithBeyondHint(session_.doc, Q(*text)));
        const bool pickable = PickVertex(session_.doc, p.x(), p.y()) >= 0 ||
                              (relations_.Listed() && relations_.PointAt(e->position(), kRelationPointReach) >= 0);
        drawing_->setCursor(pickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    };
    drawing_->onRelease = [this](QMouseEvent* e) {
        // A vertex clicked without moving it: the marked point there, if any, for the relations.
        if (dragging_ && !dragMoved_) PickRelationPoint(e->position(), false);
        dragging_ = false;
        // The last position is painted now, not a frame later.
        if (dragFrame_->isActive()) {
            dragFrame_->stop();
            Repaint();
        }
        if (dragBefore_) {
            PushStep(QString("Ecke %1 ziehen").arg(QChar('A' + dragVertex_)), *dragBefore_);
            dragBefore_.reset();
        }
    };
    drawing_->onWheel = [this](int steps) {
        Step("Zoomen", [&] {
            SyncSessionFromFields();
            for (int n = 0; n < std::abs(steps); ++n) steps > 0 ? StretchUp(session_) : StretchDown(session_);
        }, kMergeWheel);
        Repaint();
    };
    drawing_->onKey = [this](QKeyEvent* e) { return OnDrawingKey(e); };
    drawing_->installEventFilter(this); // Esc first lets go of the point whose relations are shown
}


} // namespace trimora
