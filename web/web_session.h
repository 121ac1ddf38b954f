// The session behind the web page: what the window does, as plain methods over plain data. Texts
// are UTF-8; failures come back as German messages (empty: success), never as exceptions.
#pragma once

#include "app/core/session.h"
#include "draw/loci.h"
#include "draw/recording_canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trimora {

// One repaint as flat arrays for the page (web/bindings.cpp hands them over as typed arrays).
// Each call is a record in `calls`: kind (CanvasCall::Kind), pen colour 0xRRGGBB, pen width, pen
// style, brush colour, brush style, x1, y1, x2, y2, then a count: the points of a polygon (whose
// x, y follow in `calls`), the points of a polyline (x, y in `reals`), the index of a text in
// `texts` (its font size in points in x2), else 0.
struct PaintedFrame {
    std::vector<std::int32_t> calls;
    std::vector<double> reals;
    std::vector<std::string> texts;
    std::int32_t backgroundCalls = 0; // the first calls: grid, millimetre grid, axes
    std::vector<std::string> results; // the result lines
    std::string error;                // German; the frame is empty then
};

// The marked points of the last repaint's entries (the loci's choice): names and places in pixels.
struct MarkedPoints {
    std::vector<std::string> names;
    std::vector<double> xy; // x, y of each, as names
};

// A text for the page, or the German message why there is none.
struct WebText {
    std::string text;
    std::string error;
};

class WebSession {
  public:
    WebSession(int width, int height);

    // Fields and vertices.
    std::vector<std::string> Fields() const;
    std::string SetField(int index, const std::string& text); // 0..5: xA, yA, xB, yB, xC, yC
    // Why field 0..5 cannot be read, in German for its tooltip; "" when it can.
    std::string FieldError(int index) const;
    void ApplyFields();
    int PickVertex(int x, int y) const;
    std::vector<std::int32_t> Vertex(int vertex) const; // x, y in pixels of vertex 0..2; empty else
    void DragVertex(int vertex, int x, int y);
    std::string MouseReadout(int x, int y) const;

    // Entries: by catalogue number, or by tab (0..3) and item as the lists show them.
    std::string SetEntry(int entry, bool on);
    bool IsEntryOn(int entry) const;
    std::string SetTabItem(int tab, int item, bool on);
    // The four lists as the tabs show them: captions, item names and check marks (1 on, 0 off).
    std::vector<std::string> TabPages() const;
    std::vector<std::string> TabItemNames(int tab) const;
    std::vector<std::uint8_t> TabChecks(int tab) const;
    void BulkSelection(); // Ctrl+F12
    void ClearSelection();

    // Topics and data files (.tmo bytes, Windows-1252 with CR LF).
    std::vector<std::string> TopicTitles() const;
    std::string ApplyTopic(const std::string& title);
    std::string LoadDataFile(const std::string& bytes);
    std::string DataFileBytes() const;

    // View commands.
    void Resize(int width, int height);
    void StretchUp();
    void StretchDown();
    void BasicSetting();
    void Shift(int dx, int dy);
    void ShowEverything();
    void ToggleAxes();
    void ToggleGrid();
    void ToggleMmGrid();
    void ToggleTrilinear();
    void ToggleEtcNumbers();

    // Animation: vertex 0..2, direction 0 waagerecht, 1 senkrecht, 2 um den Ursprung.
    std::string SetAnimation(int vertex, int direction, int speed);
    void AnimationStep();

    // What a user changed, as text ("key=value" lines), and back.
    std::string CaptureState() const;
    std::string RestoreState(const std::string& text);

    // The repaint; the relations; loci of marked points by name (vertex 0..2, path 0 waagerecht,
    // 1 senkrecht, 2 ursprung, 3 umkreis); text exports.
    PaintedFrame Paint();
    MarkedPoints Marks() const;
    WebText Relations(bool all, int limit); // one relation a line
    std::string TraceLoci(const std::vector<std::string>& names, int vertex, int path);
    // The same loci traced without adding them, as bytes (web/loci_bytes.h) in `text`, for a worker;
    // and such bytes added to the loci of this session.
    WebText TracedLociBytes(const std::vector<std::string>& names, int vertex, int path);
    std::string AddLoci(const std::string& bytes);
    WebText TikzText(double cmPerUnit);
    WebText SvgText(); // the picture of the drawing area, a pixel 1/96 inch
    WebText ResultsText(bool cp1252);
    WebText ResultsCsv();

  private:
    Document Measured() const;
    std::vector<std::string> ResultLines();
    std::string NewLoci(const std::vector<std::string>& names, int vertex, int path, std::vector<Locus>& added);
    Session session_;
};

} // namespace trimora
