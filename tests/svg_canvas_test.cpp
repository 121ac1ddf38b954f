// The SVG canvas (the web edition's pictures): what each kind of call becomes, and a whole picture
// against the recording of the same repaint: every ellipse, polygon, rectangle and text is there.
#include "draw/document.h"
#include "draw/recording_canvas.h"
#include "output/svg_canvas.h"
#include "paint/paint.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace trimora {
namespace {

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(SvgCanvas, EachCallBecomesItsElement) {
    struct Case {
        const char* what;
        std::function<void(SvgCanvas&)> draw;
        const char* expected;
    };
    const Case cases[] = {
        {"joined lines, one path", [](SvgCanvas& c) { c.MoveTo(1, 2), c.LineTo(3, 4), c.LineTo(5, 2); },
         "<path d=\"M1 2L3 4L5 2\" fill=\"none\" stroke=\"#000000\" stroke-width=\"1\"/>"},
        {"dotted pen",
         [](SvgCanvas& c) { c.SetPen({kRed, 2, PenStyle::Dot}), c.MoveTo(0, 0), c.LineTo(9, 0); },
         "stroke=\"#ff0000\" stroke-width=\"2\" stroke-dasharray=\"2 4\""},
        {"ellipse in its box", [](SvgCanvas& c) { c.Ellipse(10, 20, 19, 25); },
         "<ellipse cx=\"14.5\" cy=\"22.5\" rx=\"4\" ry=\"2\" fill=\"#ffffff\""},
        {"clear brush", [](SvgCanvas& c) { c.SetBrushStyle(BrushStyle::Clear), c.Rectangle(0, 0, 4, 4); },
         "<rect x=\"0.5\" y=\"0.5\" width=\"3\" height=\"3\" fill=\"none\""},
        {"hatched brush", [](SvgCanvas& c) { c.SetBrush({kBlue, BrushStyle::FDiagonal}), c.Polygon(std::vector<IntPoint>{{0, 0}, {5, 0}, {0, 5}}); },
         "<polygon points=\"0,0 5,0 0,5\" fill=\"url(#h30000ff)\""},
        {"text escaped", [](SvgCanvas& c) { c.SetBrushStyle(BrushStyle::Clear), c.TextOut(3, 4, "a<b & \"c\""); },
         ">a&lt;b &amp; &quot;c&quot;</text>"},
        {"polyline between pixels", [](SvgCanvas& c) { c.Polyline(std::vector<RealPoint>{{0.25, 1}, {2, 3.125}}); },
         "<path d=\"M0.25 1L2 3.125\""},
    };
    for (const Case& c : cases) {
        SvgCanvas canvas(100, 80);
        c.draw(canvas);
        const std::string svg = canvas.Text("100px", "80px");
        EXPECT_NE(svg.find(c.expected), std::string::npos) << c.what << "\n" << svg;
        EXPECT_EQ(svg.rfind("</svg>\n</svg>\n"), svg.size() - 14) << c.what;
    }
    EXPECT_EQ(std::size(cases), 7u);
}

TEST(SvgCanvas, PictureHoldsEveryShapeOfTheRepaint) {
    Document doc;
    InitDocument(doc, 821, 660);
    doc.checked.set();
    RecordingCanvas recording(821, 660);
    recording.SetFont("Verdana", 10);
    PaintDocument(doc, recording, false);
    std::size_t ellipses = 0, polygons = 0, rectangles = 0, texts = 0;
    for (const CanvasCall& call : recording.Calls()) {
        ellipses += call.kind == CanvasCall::Kind::Ellipse && call.x2 - call.x1 > 1 && call.y2 - call.y1 > 1;
        polygons += call.kind == CanvasCall::Kind::Polygon && call.points.size() >= 2;
        rectangles += call.kind == CanvasCall::Kind::Rectangle;
        texts += call.kind == CanvasCall::Kind::Text;
    }
    const std::string svg = EncodeSvg(doc, 821, 660, 1);
    EXPECT_GT(ellipses, 100u);
    EXPECT_EQ(Count(svg, "<ellipse "), ellipses);
    EXPECT_EQ(Count(svg, "<polygon "), polygons);
    EXPECT_EQ(Count(svg, "<text "), texts);
    EXPECT_GE(Count(svg, "<rect "), rectangles + 1); // and the white ground
    EXPECT_NE(svg.find("width=\"8.21cm\" height=\"6.6cm\""), std::string::npos);
}

} // namespace
} // namespace trimora
