// The offscreen platform with a screen of the given size in device pixels (its own is 800 x 600,
// smaller than the window's standard size): the value for QT_QPA_PLATFORM, set before the
// application starts.
#pragma once

#include <QByteArray>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace trimora {

inline QByteArray OffscreenPlatform(int width, int height) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("trimora-screen-" + std::to_string(::getpid()) + ".json"); // one per test process
    std::ofstream(file) << "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": " << width
                        << ", \"height\": " << height << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n";
    return "offscreen:configfile=" + QByteArray::fromStdString(file.string());
}

} // namespace trimora
