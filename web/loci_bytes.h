// Traced loci as bytes, so that a worker of the page can trace them with a module of its own and
// hand them to the page's: every number exact (doubles as their 8 bytes), nothing else in between.
#pragma once

#include "draw/loci.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

std::string LociBytes(const std::vector<Locus>& curves);
// Nothing for bytes that LociBytes did not write (cut short, trailing bytes, values out of range).
std::optional<std::vector<Locus>> LociFromBytes(std::string_view bytes);

} // namespace trimora
