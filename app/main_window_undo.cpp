// The main window's undo steps (every change of the document is one, named in the menu
// "Bearbeiten") and the keyboard in the drawing area: 1, 2, 3 choose a vertex (ringed), the arrows move it,
// "+", "-" and "0" zoom and reset the view.
#include "app/main_window.h"

#include "app/drawing_area.h"
#include "app/session_step.h"
#include "app/window_support.h"
#include "base/field.h"
#include "base/format.h"
#include "draw/point_table.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QUndoStack>

namespace trimora {

using namespace window;

void MainWindow::Step(const QString& name, const std::function<void()>& change, int mergeKey) {
    EndAnimationStep();
    if (restoring_) {
        change();
        return;
    }
    const SessionState before = CaptureState(session_);
    change();
    PushStep(name, before, mergeKey);
}

void MainWindow::PushStep(const QString& name, const SessionState& before, int mergeKey) {
    SessionState after = CaptureState(session_);
    if (restoring_ || after == before) return;
    undo_->push(new SessionStep(name, before, std::move(after), mergeKey,
                                [this](const SessionState& state) { RestoreStep(state); }));
}

void MainWindow::RestoreStep(const SessionState& state) {
    restoring_ = true;
    dragging_ = false;
    dragBefore_.reset();
    panBefore_.reset();
    animationBefore_.reset();
    StopAnimation(true);
    RestoreState(session_, state);
    SyncFieldsFromSession();
    SyncTabListsFromSession();
    Repaint();
    restoring_ = false;
}

// An animation run is one step, from its start to wherever it stopped.
void MainWindow::EndAnimationStep() {
    if (!animationBefore_ || session_.animation.running) return;
    const SessionState before = std::move(*animationBefore_);
    animationBefore_.reset();
    PushStep("Animation", before);
}

void MainWindow::ShowKeyVertex() {
    const IntPoint p = session_.doc.points.screen[kSlotA + keyVertex_];
    drawing_->SetKeyVertex(keyVertexShown_ && !session_.resultsMode ? std::optional<QPointF>(QPointF(p.x, p.y))
                                                                    : std::nullopt);
}

bool MainWindow::OnDrawingKey(QKeyEvent* e) {
    const int key = e->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_3 && e->modifiers() == Qt::NoModifier) {
        keyVertex_ = key - Qt::Key_1;
        keyVertexShown_ = true;
        ShowKeyVertex();
        ShowStatus(QString("  Ecke %1 gewählt").arg(QChar('A' + keyVertex_)));
        return true;
    }
    int dx = 0, dy = 0;
    switch (key) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    case Qt::Key_Plus:
        Step("Intervall vergrößern", [this] { SyncSessionFromFields(); StretchUp(session_); });
        Repaint();
        return true;
    case Qt::Key_Minus:
        Step("Intervall verkleinern", [this] { SyncSessionFromFields(); StretchDown(session_); });
        Repaint();
        return true;
    case Qt::Key_0:
        if (e->modifiers() != Qt::NoModifier && e->modifiers() != Qt::KeypadModifier) return false;
        Step("Ansicht zurücksetzen", [this] { SyncSessionFromFields(); BasicSetting(session_); });
        Repaint();
        return true;
    default: return false;
    }
    // A run of presses within a second is one step.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastKeyMove_ > 1000) ++keyRun_;
    lastKeyMove_ = now;
    const int vertex = keyVertex_;
    Step(QString("Ecke %1 verschieben").arg(QChar('A' + vertex)), [&] {
        SyncSessionFromFields();
        if (e->modifiers() & Qt::ControlModifier) {
            // A tenth of a unit in world coordinates: the field is changed and applied.
            auto& fx = session_.doc.fields[static_cast<std::size_t>(2 * vertex)];
            auto& fy = session_.doc.fields[static_cast<std::size_t>(2 * vertex + 1)];
            fx = FormatReal(ReadField(fx).value + 0.1 * dx, 3);
            fy = FormatReal(ReadField(fy).value - 0.1 * dy, 3);
            ApplyTypedCoordinates(session_);
        } else {
            const int step = (e->modifiers() & Qt::ShiftModifier) ? 10 : 1;
            const IntPoint p = session_.doc.points.screen[kSlotA + vertex];
            DragVertexTo(session_, vertex, p.x + step * dx, p.y + step * dy);
        }
    }, kMergeKeys + 4 * (keyRun_ % 1000) + vertex);
    SyncFieldsFromSession();
    Repaint();
    return true;
}

} // namespace trimora
