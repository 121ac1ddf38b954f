// One undo step of the window: the session before and after a change of the document (typed
// coordinates, a drag, an animation run, a switched entry, a topic, a data file, a view command).
#pragma once

#include "app/core/session_state.h"

#include <QUndoCommand>

#include <functional>

namespace trimora {

class SessionStep final : public QUndoCommand {
  public:
    // Steps with the same merge key that follow each other become one (the moves of one run of
    // arrow keys, the notches of one turn of the wheel); 0 never merges.
    SessionStep(const QString& name, SessionState before, SessionState after, int mergeKey,
                std::function<void(const SessionState&)> restore)
        : QUndoCommand(name), before_(std::move(before)), after_(std::move(after)), mergeKey_(mergeKey),
          restore_(std::move(restore)) {}

    // The change is made before the step is pushed: the first redo has nothing to do.
    void redo() override {
        if (done_) restore_(after_);
        done_ = true;
    }
    void undo() override { restore_(before_); }
    int id() const override { return mergeKey_ == 0 ? -1 : mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = dynamic_cast<const SessionStep*>(other);
        if (!next || next->before_ != after_) return false;
        after_ = next->after_;
        return true;
    }

  private:
    SessionState before_, after_;
    int mergeKey_;
    std::function<void(const SessionState&)> restore_;
    bool done_ = false;
};

} // namespace trimora
