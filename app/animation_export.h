// The animation as an animated GIF: the frames of one whole run of the animation as it is set,
// drawn as the picture export draws them.
#pragma once

#include "output/savefile.h"

#include <QString>

#include <string>

namespace trimora {

struct Session;

inline constexpr int kDefaultAnimationFrames = 120;

// Writes `frames` pictures of a width x height drawing area along one run to `path`, looping, each
// shown as long as the animation takes between them at its speed. Returns a German message on
// failure (also when the frames together exceed the picture export's pixel limit).
// `path` is bytes, as the file system names the file.
QString ExportAnimation(const Session& session, int width, int height, int frames, const std::string& path,
                        SpecialFiles special = SpecialFiles::Refuse);

} // namespace trimora
