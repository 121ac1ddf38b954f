#include "app/animation_export.h"

#include "app/core/session.h"
#include "app/picture_export.h"
#include "output/picture_encoders.h"
#include "output/savefile.h"

#include <algorithm>
#include <cmath>

namespace trimora {

QString ExportAnimation(const Session& session, int width, int height, int frames, const std::string& path,
                        SpecialFiles special, const std::function<bool(int, int)>& progress) {
    if (frames < 2 || frames > 10000) return "Eine Animation hat 2 bis 10000 Bilder.";
    const long long framePixels = static_cast<long long>(width) * height;
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
        framePixels > kMaxPicturePixels || framePixels * frames > kMaxAnimationPixels)
        return QString("Die Animation wird zu groß: %1 Bilder zu %2x%3 Pixeln (höchstens 16384 Pixel je Seite, "
                       "64 Millionen Pixel je Bild und 2000 Millionen Pixel für alle Bilder zusammen).")
            .arg(frames).arg(width).arg(height);
    // The run keeps only the moving vertex's texts per tick; one frame is drawn at a time.
    const AnimationRunSteps run = AnimationRun(session);
    const double ticks = static_cast<double>(run.size() - 1);
    // Each frame stays as long as the animation takes for its ticks (81 - speed ms each).
    const double tickMs = std::max(1, session.animation.intervalMs);
    const int delay = static_cast<int>(std::lround(ticks / (frames - 1) * tickMs / 10));
    GifAnimation gif(width, height, std::max(2, delay), kMaxAnimationBytes);
    Session frame = session;
    for (int i = 0; i < frames; ++i) {
        ApplyAnimationStep(frame, run, static_cast<std::size_t>(std::lround(i * ticks / (frames - 1))));
        ApplyTypedCoordinates(frame);
        Document doc = frame.doc;
        if (!gif.AddFrame(ToRgbImage(RenderImage(doc, width, height)))) break;
        if (progress && !progress(i + 1, frames)) return "Die Animation wurde abgebrochen; nichts wurde gespeichert.";
    }
    const Encoded e = gif.Finish();
    if (!e.ok()) return QString::fromStdString(e.error);
    const std::string failure = WriteFileAtomically(path, e.bytes, special);
    return QString::fromStdString(failure);
}

} // namespace trimora
