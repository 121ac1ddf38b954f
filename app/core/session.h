// The state of one program run beside the document: the check marks of the four visible element
// lists, the select-all flag, the display mode and the animation. The window's handlers are thin
// wrappers around the operations below, followed by a repaint.
#pragma once

#include "draw/document.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

inline constexpr int kTabCount = 4; // Allgemein, A-M, N-Z, Dreiecke / Lote (tab order)

enum class AnimationDirection { Horizontal = 0, Vertical = 1, AroundOrigin = 2 };

struct Animation {
    bool running = false;    // the timer
    bool buttonDown = false; // the toggle button (and the menu check mark)
    int vertex = 0; // 0 A, 1 B, 2 C ("Simulationspunkt")
    AnimationDirection direction = AnimationDirection::Horizontal;
    bool backwards = false; // towards smaller pixel coordinates; shared by both straight motions
    int speed = 70;         // 1..80
    int intervalMs = 10;    // 81 - speed once the speed was changed
};

struct Session {
    Document doc;
    int width = 821; // drawing area
    int height = 660;
    std::array<std::vector<bool>, kTabCount> tabChecked; // per tab list, per item
    bool selectAll = false;
    bool resultsMode = false; // "Berechnung": the results list replaces the picture
    Animation animation;
};

// Start-up: vertices at their start pixels for a drawing area of width x height, fields written
// from them, entries 0 to 6 checked in the master list and in "Allgemein".
void InitSession(Session& s, int width, int height);

// Index of a tab list by its list name ("CL1x" ...), -1 if none.
int TabIndexOfList(std::string_view listName);

// A check box of a tab list was toggled: the whole list is copied to the master list.
void SetTabItem(Session& s, int tab, int item, bool checked);
void CopyTabListToMaster(Session& s, int tab);

// Ctrl+F12: flips the select-all flag and sets everything outside "Dreiecke / Lote" and outside the
// first seven items of "Allgemein" to it.
void BulkSelection(Session& s);
// The clear button: the same with the flag set first, so that it always unchecks.
void ClearSelection(Session& s);

// Applies the typed coordinates (the vertices from the six fields).
void ApplyTypedCoordinates(Session& s);
// The drawing area's size changed: the view is reset ("Ansicht zurücksetzen").
void Resize(Session& s, int width, int height);

// View commands; each applies the typed coordinates afterwards.
void StretchUp(Session& s);
void StretchDown(Session& s); // not below 0.2
void BasicSetting(Session& s); // "Ansicht zurücksetzen": stretch 1, no shift; the triangle stays
void Shift(Session& s, int dx, int dy);
// "Alles zeigen": stretch and pan chosen so that the triangle and the points that a repaint marks
// near it fill the drawing area with a margin of 20 pixels, centred (the stretch not below 0.2,
// the least that "Intervall verkleinern" gives). Centres far beyond the triangle (more than four
// times its longest side from its centroid) are left out: they would shrink the triangle to a dot.
void ShowEverything(Session& s);
void ToggleAxes(Session& s);
void ToggleGrid(Session& s);   // switches the millimetre grid off
void ToggleMmGrid(Session& s); // switches the grid off
void ToggleTrilinear(Session& s);
void ToggleEtcNumbers(Session& s); // " [X(n)]" after the result lines of centres
// "Berechnung" sets the stretch factor to 1.
void EnterResultsMode(Session& s);
void EnterPictureMode(Session& s);

// The vertex within 5 pixels of (x, y): 0 A, 1 B, 2 C (C wins over B over A), or -1.
int PickVertex(const Document& doc, int x, int y);
// The dragged vertex takes the pixel exactly; all six fields are rewritten.
void DragVertexTo(Session& s, int vertex, int x, int y);
// The status text for the mouse at (x, y), e.g. "  P(1,25 | -0,5) trilinear(1 : 0,47 : -0,12)";
// nothing while the triangle is degenerate.
std::optional<std::string> MouseReadout(const Session& s, int x, int y);

// Topics: title (with "&" marks removed) looked up in the topic lines. False: no such topic,
// nothing changed.
bool ApplyTopic(Session& s, std::string_view caption, std::span<const std::string> topicLines);

// Triangle data files (".tmo"): the lines (UTF-8) of the current triangle and selection, and
// loading such lines back (short, garbled or unknown content ends soundly).
std::vector<std::string> DataFileLines(const Session& s);
void LoadDataFileLines(Session& s, std::span<const std::string> lines);
// Bytes of a data file as read from disk -> lines: Windows-1252, or UTF-8 when the bytes are valid
// UTF-8 with non-ASCII letters; CR LF or LF.
std::vector<std::string> DecodeTextFile(std::string_view bytes);
// A data file is small; anything beyond this is not one.
inline constexpr std::size_t kMaxDataFileBytes = 16u << 20;
// False for bytes that are no data file, whatever their name: UTF-16 (a byte-order mark or NUL
// bytes) and binary data (control characters other than tab, line ends, form feed and DOS's end of
// file). Such a file
// is refused with a message naming it and kNotADataFile; nothing is loaded.
bool IsDataFileText(std::string_view bytes);
inline constexpr const char* kNotADataFile = "keine Trimora-Dreiecksdatei";

// Animation.
void SetAnimationSpeed(Session& s, int speed); // interval 81 - speed milliseconds
void AnimationStep(Session& s);                // one tick, without the repaint
// One whole run of the animation as it is set: across the drawing area and back to the start, or
// a full turn about the origin. Only the moving vertex's two fields change, so only they are kept
// for every tick (the first entry is the start, as typed): the run takes little memory however
// long the other fields' texts are.
struct AnimationRunSteps {
    int vertex = 0; // 0 A, 1 B, 2 C
    std::vector<std::array<std::string, 2>> texts;
    std::size_t size() const { return texts.size(); }
};
AnimationRunSteps AnimationRun(const Session& s);
// The fields of tick `step` of `run` (the last one beyond its end) into `s`.
void ApplyAnimationStep(Session& s, const AnimationRunSteps& run, std::size_t step);

} // namespace trimora
