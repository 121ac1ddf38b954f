// The main window's animation (start, stop, one tick), the trace it leaves ("Spur") and the loci
// ("Ortslinie …", "Ortslinien löschen"; app/loci_panel.h).
#include "app/main_window.h"

#include "app/drawing_area.h"
#include "app/loci_panel.h"
#include "draw/loci.h"

#include <QScreen>
#include <QTimer>

namespace trimora {

void MainWindow::StopAnimation(bool releaseButton) {
    session_.animation.running = false;
    if (releaseButton) session_.animation.buttonDown = false;
    timer_->stop();
    SyncChecks();
    EndAnimationStep();
}

void MainWindow::ToggleAnimation() {
    SyncSessionFromFields();
    Animation& a = session_.animation;
    a.running = !a.running;
    a.buttonDown = a.running;
    if (a.running) {
        if (!animationBefore_) animationBefore_ = CaptureState(session_);
        if (lociPanel_) lociPanel_->ResetTrail(); // each run leaves a trace of its own
        timer_->start();
    } else {
        timer_->stop();
    }
    SyncChecks();
    EndAnimationStep();
}

void MainWindow::OnTimer() {
    if (inStep_ || !session_.animation.running) return;
    inStep_ = true;
    SyncSessionFromFields();
    AnimationStep(session_);
    SyncFieldsFromSession();
    if (lociPanel_)
        if (auto trail = lociPanel_->Trail(session_.doc, drawing_->width(), drawing_->height(),
                                           session_.animation.vertex,
                                           static_cast<VertexPath>(session_.animation.direction)))
            session_.doc.loci = std::move(trail);
    Repaint();
    inStep_ = false;
}

void MainWindow::ShowLociPanel() {
    if (!lociPanel_) {
        LociPanel::Hooks hooks;
        hooks.document = [this]() -> const Document& {
            SyncSessionFromFields();
            return session_.doc;
        };
        hooks.area = [this] { return drawing_->size(); };
        hooks.show = [this](std::shared_ptr<const Loci> loci) {
            Step("Ortslinie", [&] { session_.doc.loci = std::move(loci); });
            Repaint();
        };
        lociPanel_ = new LociPanel(this, std::move(hooks));
        // Beside the window where the screen has room, else over the selection panel: the picture
        // stays in sight.
        const QRect frame = frameGeometry();
        const QRect room = screen() ? screen()->availableGeometry() : frame;
        int x = frame.right() + 8;
        if (x + lociPanel_->width() > room.right())
            x = std::max(room.left(), frame.right() - lociPanel_->width() - 8);
        lociPanel_->move(x, frame.top() + 60);
    }
    // Opened anew, it starts from the animation's vertex and motion.
    if (!lociPanel_->isVisible() && !lociPanel_->Busy())
        lociPanel_->Follow(session_.animation.vertex, static_cast<VertexPath>(session_.animation.direction));
    lociPanel_->show();
    lociPanel_->raise();
    lociPanel_->activateWindow();
    lociPanel_->DocumentChanged();
}

void MainWindow::ClearLoci() {
    Step("Ortslinien löschen", [this] { session_.doc.loci.reset(); });
    if (lociPanel_) lociPanel_->ResetTrail();
    Repaint();
}

void MainWindow::ForgetStaleLoci() {
    // The loci hold while the triangle and the entries stay (a zoom keeps them).
    const Loci* loci = session_.doc.loci.get();
    if (loci && !LociBelong(loci->stamp, LociStampOf(session_.doc, drawing_->width(), drawing_->height())))
        session_.doc.loci.reset();
    if (lociPanel_) lociPanel_->DocumentChanged();
}

bool MainWindow::PickLocusPoint(QPointF at) {
    return lociPanel_ && lociPanel_->isVisible() && lociPanel_->Pick(at);
}

} // namespace trimora
