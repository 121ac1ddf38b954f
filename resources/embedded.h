// The zlib-compressed text resources that the build packs into the program.
#pragma once

#include <cstddef>
#include <span>

namespace trimora {

struct EmbeddedResource {
    const char* name;          // resource name, matched without regard to case
    const unsigned char* data; // zlib stream
    std::size_t size;
};

std::span<const EmbeddedResource> EmbeddedResources();

} // namespace trimora
