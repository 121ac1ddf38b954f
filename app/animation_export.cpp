#include "app/animation_export.h"

#include "app/core/session.h"
#include "app/picture_export.h"
#include "output/picture_encoders.h"
#include "output/savefile.h"

#include <algorithm>
#include <cmath>

namespace trimora {

QString ExportAnimation(const Session& session, int width, int height, int frames, const std::string& path,
                        SpecialFiles special) {
    if (frames < 2 || frames > 10000) return "Eine Animation hat 2 bis 10000 Bilder.";
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
        static_cast<long long>(width) * height * frames > kMaxPicturePixels)
        return QString("Die Animation wird zu groß: %1 Bilder zu %2x%3 Pixeln (höchstens 16384 Pixel je Seite und "
                       "64 Millionen Pixel für alle Bilder zusammen).")
            .arg(frames).arg(width).arg(height);
    const auto run = AnimationRun(session);
    const double ticks = static_cast<double>(run.size() - 1);
    // Each frame stays as long as the animation takes for its ticks (81 - speed ms each).
    const double tickMs = std::max(1, session.animation.intervalMs);
    const int delay = static_cast<int>(std::lround(ticks / (frames - 1) * tickMs / 10));
    GifAnimation gif(width, height, std::max(2, delay));
    Session frame = session;
    for (int i = 0; i < frames; ++i) {
        const std::size_t at = static_cast<std::size_t>(std::lround(i * ticks / (frames - 1)));
        frame.doc.fields = run[std::min(at, run.size() - 1)];
        ApplyTypedCoordinates(frame);
        Document doc = frame.doc;
        if (!gif.AddFrame(ToRgbImage(RenderImage(doc, width, height)))) break;
    }
    const Encoded e = gif.Finish();
    if (!e.ok()) return QString::fromStdString(e.error);
    const std::string failure = WriteFileAtomically(path, e.bytes, special);
    return QString::fromStdString(failure);
}

} // namespace trimora
