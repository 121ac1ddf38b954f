// Times the repaint of every entry with the results shown, into the recording canvas (what the
// page's module does for each picture): prints the median of the repaints in milliseconds. Built by
// both editions, so that scripts/web-bench.sh can compare the web edition under Node with the
// desktop. paint_timing [REPAINTS]
#include "draw/document.h"
#include "draw/recording_canvas.h"
#include "paint/paint.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    const int repaints = std::clamp(argc > 1 ? std::atoi(argv[1]) : 50, 1, 10000);
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    doc.checked.set();
    trimora::RecordingCanvas canvas(821, 660);
    std::vector<double> ms;
    for (int i = 0; i < repaints; ++i) {
        canvas.Clear();
        const auto start = std::chrono::steady_clock::now();
        trimora::PaintDocument(doc, canvas, true);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%.3f\n", ms[ms.size() / 2]);
    return 0;
}
