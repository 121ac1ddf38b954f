// The animation as an animated GIF: the frames of one whole run of the animation as it is set,
// drawn as the picture export draws them.
#pragma once

#include "output/savefile.h"

#include <QString>

#include <functional>
#include <string>

namespace trimora {

struct Session;

inline constexpr int kDefaultAnimationFrames = 120;
// Only one frame is drawn at a time, and it obeys the picture export's limits; all frames together
// are bounded by the time they take: 2000 million pixels are 120 frames of a 5K screen.
inline constexpr long long kMaxAnimationPixels = 2'000'000'000;
// The finished file is held in memory until it is written.
inline constexpr std::size_t kMaxAnimationBytes = 512u << 20;

// Writes `frames` pictures of a width x height drawing area along one run to `path`, looping, each
// shown as long as the animation takes between them at its speed. Returns a German message on
// failure (also when a frame or all frames together exceed the limits above). `progress`, if set,
// hears of every frame drawn (1 to frames) and cancels by returning false: then nothing is written.
// `path` is bytes, as the file system names the file.
QString ExportAnimation(const Session& session, int width, int height, int frames, const std::string& path,
                        SpecialFiles special = SpecialFiles::Refuse,
                        const std::function<bool(int done, int frames)>& progress = {});

} // namespace trimora
