// libFuzzer target: any bytes as a triangle data file are refused (UTF-16, binary) or decode, load
// and paint without harm, and the loaded triangle saved and loaded again gives the same file.
#include "app/core/session.h"
#include "draw/recording_canvas.h"
#include "paint/paint.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0; // the loader's limit is far above; longer inputs only repeat lines
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!trimora::IsDataFileText(bytes)) return 0; // refused, as the program refuses it
    static trimora::Session session = [] {
        trimora::Session s;
        trimora::InitSession(s, 821, 660);
        return s;
    }();
    trimora::LoadDataFileLines(session, trimora::DecodeTextFile(bytes));
    trimora::RecordingCanvas canvas(821, 660);
    trimora::PaintDocument(session.doc, canvas, true);

    const std::vector<std::string> saved = trimora::DataFileLines(session);
    trimora::Session again;
    trimora::InitSession(again, 821, 660);
    trimora::LoadDataFileLines(again, saved);
    if (trimora::DataFileLines(again) != saved) std::abort();
    return 0;
}
