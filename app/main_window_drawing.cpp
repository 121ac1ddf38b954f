// The main window's drawing area: its mouse (a vertex dragged, the background dragged to pan the
// picture, a point chosen for the loci or for the relations, the position read out), its context
// menu, its wheel, keys and size.
#include "app/main_window.h"

#include "app/drawing_area.h"
#include "app/window_support.h"
#include "draw/point_table.h"

#include <QDateTime>
#include <QLabel>
#include <QMenu>
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

// The text as the status panel can show it: on one line, else on two (a read-out's trilinears on
// their own line, another text broken between words), each cut at its end where it is still too
// long.
QString FittedStatus(const QLabel* panel, const QString& text) {
    const QFontMetrics metrics = panel->fontMetrics();
    const int room = panel->contentsRect().width();
    if (metrics.horizontalAdvance(text) <= room) return text;
    qsizetype cut = text.indexOf(" trilinear(");
    if (cut < 0) {
        cut = text.lastIndexOf(' ');
        while (cut > 0 && metrics.horizontalAdvance(text.left(cut)) > room) cut = text.lastIndexOf(' ', cut - 1);
    }
    if (cut <= 0) return metrics.elidedText(text, Qt::ElideRight, room);
    return metrics.elidedText(text.left(cut), Qt::ElideRight, room) + '\n' +
           metrics.elidedText(text.mid(cut + 1), Qt::ElideRight, room);
}

} // namespace

void MainWindow::ShowStatus(const QString& text) {
    const QString shown = FittedStatus(statusPanel_, text);
    statusPanel_->setText(shown);
    statusPanel_->setToolTip(shown == text ? QString() : text);
}

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
            if (PickLocusPoint(e->position()) || PickRelationPoint(e->position(), true)) return;
            // The background: dragging it pans the picture (one undo step per drag).
            if (e->button() == Qt::LeftButton && !session_.animation.running) {
                SyncSessionFromFields();
                panFrom_ = p;
                panBefore_ = CaptureState(session_);
                drawing_->setCursor(Qt::ClosedHandCursor);
            }
            return;
        }
        dragVertex_ = v;
        dragMoved_ = false;
        keyVertex_ = v; // the arrow keys move the vertex last clicked
        keyVertexShown_ = true;
        if (e->button() == Qt::LeftButton) {
            dragging_ = true;
            SyncSessionFromFields();
            dragBefore_ = CaptureState(session_);
        }
    };
    drawing_->onMove = [this](QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        if (panBefore_) {
            const QPoint by = p - panFrom_;
            if (by.isNull()) return;
            panFrom_ = p;
            Shift(session_, by.x(), by.y());
            SyncFieldsFromSession();
            if (!dragFrame_->isActive()) dragFrame_->start(16);
            return;
        }
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
            ShowStatus(WithBeyondHint(session_.doc, Q(*text)));
        const bool pickable = PickVertex(session_.doc, p.x(), p.y()) >= 0 ||
                              (relations_.Listed() && relations_.PointAt(e->position(), kRelationPointReach) >= 0);
        drawing_->setCursor(pickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    };
    drawing_->onRelease = [this](QMouseEvent* e) {
        if (panBefore_) {
            const SessionState before = std::move(*panBefore_);
            panBefore_.reset();
            if (dragFrame_->isActive() || relationsStale_) {
                dragFrame_->stop();
                Repaint();
            }
            drawing_->setCursor(Qt::ArrowCursor);
            PushStep("Abbildung verschieben", before);
            return;
        }
        // A vertex clicked without moving it: the marked point there, if any, for the relations.
        if (dragging_ && !dragMoved_) PickRelationPoint(e->position(), false);
        dragging_ = false;
        // The last position is painted now, not a frame later; relations left for the end of the
        // drag are found now.
        if (dragFrame_->isActive() || relationsStale_) {
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
    // The picture's own commands at the mouse.
    drawing_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(drawing_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.setObjectName("drawingMenu");
        for (const char* name : {"fit", "basic", "", "pictureCopy", "vectorCopy", "pictureSave", "", "picturePrint"}) {
            if (!*name)
                menu.addSeparator();
            else if (QAction* a = Action(name))
                menu.addAction(a);
        }
        if (contextMenuShown_) contextMenuShown_(&menu);
        menu.exec(drawing_->mapToGlobal(at));
    });
    drawing_->installEventFilter(this); // Esc first lets go of the point whose relations are shown
}


} // namespace trimora
