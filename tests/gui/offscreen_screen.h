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
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("trimora-screen-" + size + ".json");
    // Written under a name of this process and renamed: the test processes running side by side
    // never read a half-written file.
    std::filesystem::path partial = file;
    partial += "." + std::to_string(::getpid());
    std::ofstream(partial) << "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": " << width
                           << ", \"height\": " << height
                           << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n";
    std::filesystem::rename(partial, file);
    return "offscreen:configfile=" + QByteArray::fromStdString(file.string());
}

} // namespace trimora
