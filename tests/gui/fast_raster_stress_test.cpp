// One drawing area's fast path through a long run of different documents, as a user makes them
// (topics in turn, everything switched on, a cleared selection, a loaded data file, drag steps),
// while other threads keep every core busy: each frame must be the plain path's picture of its
// own document, never a part of the frame before. TRIMORA_STRESS_FRAMES sets the number of frames
// (1000 by default; the ThreadSanitizer pass runs fewer).
#include "app/core/session.h"
#include "app/fast_raster.h"
#include "app/qpainter_canvas.h"
#include "base/presets.h"
#include "base/resource.h"
#include "tests/gui/image_difference.h"

#include <gtest/gtest.h>

#include <QImage>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace trimora {
namespace {

// Keeps every core busy until destroyed.
class BusyCores {
  public:
    BusyCores() {
        const unsigned cores = std::max(2u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < cores; ++i)
            threads_.emplace_back([this] {
                volatile double x = 1;
                while (!stop_.load(std::memory_order_relaxed))
                    for (int k = 0; k < 10000; ++k) x = x * 1.0000001 + 1e-9;
            });
    }
    ~BusyCores() {
        stop_ = true;
        for (std::thread& t : threads_) t.join();
    }

  private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

// The fast path's tolerance, widened for the unsmoothed edges of the fills of large filled
// triangles that some topics draw (up to 0.53 % of the pixels, mean 0.09). A frame that shows a part
// of the frame before differs in 1 to 25 % of its pixels.
bool WithinStressTolerance(const QImage& plain, const QImage& fast, bool antialiasing) {
    const Difference d = Compare(plain, fast, antialiasing ? 2 : 0);
    return antialiasing ? d.share < 0.0075 && d.mean < 0.15 : d.share < 0.0001;
}

int FramesToRun() {
    const char* text = std::getenv("TRIMORA_STRESS_FRAMES");
    const int frames = text ? std::atoi(text) : 0;
    return frames > 0 ? frames : 1000;
}

TEST(FastRasterStress, EveryFrameUnderLoadIsItsOwnDocumentsPicture) {
    const std::vector<std::string> topics = LoadResourceLines("WTRIMORA");
    Session s;
    InitSession(s, 821, 660);
    Session saved = s; // a data file of the start state, loaded again now and then
    ApplyTopic(saved, PresetMenu()[7].title, topics);
    const std::vector<std::string> dataFile = DataFileLines(saved);

    // The user's steps, taken in turn; most keep the view, so the fast path keeps its background.
    int topic = 0, drag = 0;
    const std::vector<std::function<void()>> steps{
        [&] { ApplyTopic(s, PresetMenu()[(topic++ * 7) % kPresetCount].title, topics); },
        [&] { ApplyTopic(s, PresetMenu()[(topic++ * 11 + 3) % kPresetCount].title, topics); },
        [&] { BulkSelection(s); },
        [&] { ClearSelection(s); },
        [&] { LoadDataFileLines(s, dataFile); },
        [&] {
            const int x = 200 + (drag * 37) % 400, y = 150 + (drag * 53) % 300;
            DragVertexTo(s, drag++ % 3, x, y);
        },
        [&] {
            DragVertexTo(s, drag % 3, 300 + drag % 200, 200 + drag % 250);
            ++drag;
        },
        [&] { BulkSelection(s); },
    };

    BusyCores busy;
    FastRaster raster;
    QImage fast(821, 660, QImage::Format_RGB32), plain(821, 660, QImage::Format_RGB32);
    const int frames = FramesToRun();
    int stale = 0;
    for (int frame = 0; frame < frames; ++frame) {
        steps[static_cast<std::size_t>(frame) % steps.size()]();
        const bool smooth = frame % 5 != 4;
        Document forFast = s.doc, forPlain = s.doc;
        raster.Render(forFast, fast, true, smooth);
        RenderPicture(forPlain, plain, true, smooth);
        if (!WithinStressTolerance(plain, fast, smooth)) {
            ++stale;
            if (stale <= 3) {
                const Difference d = Compare(plain, fast, smooth ? 2 : 0);
                ADD_FAILURE() << "frame " << frame << " differs from its document's picture: " << d.share
                              << " of the pixels, mean " << d.mean;
            }
        }
    }
    EXPECT_EQ(stale, 0) << "of " << frames << " frames";
}

} // namespace
} // namespace trimora
