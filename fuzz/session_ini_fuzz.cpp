// libFuzzer target: any bytes as the kept session's file parse without harm, and what they give,
// written and read again, gives the same settings and the same file.
#include "app/core/session_ini.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0; // the window reads at most 1 MB; longer inputs only repeat lines
    const trimora::IniSettings read =
        trimora::IniSettings::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string written = read.Serialize();
    const trimora::IniSettings again = trimora::IniSettings::Parse(written);
    if (again.Serialize() != written) std::abort();
    return 0;
}
