// The loci on the command line: --locus LABEL (several times), --move A|B|C,
// --path waagerecht|senkrecht|ursprung|umkreis and --locus-points FILE. Kept apart from the other
// options: cli.cpp hands the options it does not know here, and the document to trace.
#pragma once

#include "draw/vertex_path.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

struct LocusOptions {
    std::vector<std::string> labels; // the marked points, as the results name them
    std::optional<int> vertex;       // 0 A, 1 B, 2 C; C when not given
    std::optional<VertexPath> path;  // "waagerecht" when not given
    std::optional<std::string> pointsFile;
};

// Reads the option `arg` if it is one of the loci's, taking its value from `value`. Nothing when
// it is not; an empty text when read; else a German message.
std::optional<std::string> ReadLocusOption(std::string_view arg, const std::function<std::string()>& value,
                                           LocusOptions& o);
// A German message when the options do not go together (--move without --locus or --animate …),
// else empty.
std::string CheckLocusOptions(const LocusOptions& o, bool animate = false);

// What tracing or writing the loci came to: nothing, or a German message; `usage` when the
// arguments are at fault (an unknown label).
struct LocusOutcome {
    std::string message;
    bool usage = false;
};

// Traces the loci of the options into `measured` (the document the results are measured on) and,
// when it is another one, into `picture` (a drawing area of width x height each). A trace that
// takes longer than a second tells `progress` (German lines) how far it is, about every second.
LocusOutcome TraceLociOfOptions(struct Document& measured, struct Document& picture, int width, int height,
                                const LocusOptions& o, std::ostream* progress = nullptr);
// --locus-points: the samples of the loci of `measured` into the file, or onto `out` for "-".
LocusOutcome WriteLocusPoints(const struct Document& measured, const LocusOptions& o, std::ostream& out);

} // namespace trimora
