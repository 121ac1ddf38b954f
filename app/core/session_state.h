// What a user changes of a session, as one value: the six fields as typed, the vertices, the
// switched entries, the view, the selection lists and the loci traced. Undo steps keep two of
// them, and the window stores one (without the loci) when it closes and starts from it the next
// time.
#pragma once

#include "app/core/session.h"

#include <array>
#include <bitset>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trimora {

struct SessionState {
    std::array<std::string, 6> fields;
    std::array<IntPoint, 3> vertices{}; // pixels from the drawing origin
    std::bitset<kEntryCount> checked;
    std::array<std::vector<bool>, kTabCount> tabChecked;
    bool selectAll = false;
    double stretchFactor = 1.0;
    int panX = 0, panY = 0;
    bool showAxes = false, showGrid = false, showMmGrid = false, showTrilinear = false, showEtc = false;
    // The loci traced (shared, never changed; compared by identity). Undo steps keep them; the
    // kept session does not.
    std::shared_ptr<const Loci> loci;

    bool operator==(const SessionState&) const = default;
};

SessionState CaptureState(const Session& s);
// Puts the state back: fields, vertices, entries, lists and view; stops the animation.
void RestoreState(Session& s, const SessionState& state);

// The state as text values by key, for a settings file, and back. A value that is missing, of the
// wrong form or out of range makes the whole state unreadable: nothing rather than half of it.
std::map<std::string, std::string> StateToText(const SessionState& state);
std::optional<SessionState> StateFromText(const std::map<std::string, std::string>& text);

} // namespace trimora
