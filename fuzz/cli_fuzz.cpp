// libFuzzer target: any argument list (the input split at NUL bytes) ends with exit code 0, 1 or 2
// and a message, never a crash. Arguments that would write or read files are replaced: results go
// to standard output, pictures are refused (no exporter), data files come from an empty file.
#include "cli/cli.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// An empty regular file in the working folder (the build folder) for every --load: a device or
// pipe would only be refused. libFuzzer ends without running exit handlers, so it stays there.
const std::string& EmptyDataFile() {
    static const std::string path = [] {
        const std::string name = "trimora-fuzz-leer.tmo";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) std::abort();
        close(fd);
        return name;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    std::vector<std::string> args{"trimora"};
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    args.push_back(current);
    for (std::size_t i = 1; i + 1 < args.size(); ++i)
        if (args[i] == "--results")
            args[i + 1] = "-";
        else if (args[i] == "--load")
            args[i + 1] = EmptyDataFile();
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = trimora::RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    if (code < 0 || code > 2 || (code != 0 && err.str().empty())) std::abort();
    return 0;
}
