// The text resources that the build packs into the program: zlib streams, in the web edition the
// texts themselves.
#pragma once

#include <cstddef>
#include <span>

namespace trimora {

struct EmbeddedResource {
    const char* name;          // resource name, matched without regard to case
    const unsigned char* data; // zlib stream (the web edition: the text itself)
    std::size_t size;
};

std::span<const EmbeddedResource> EmbeddedResources();

} // namespace trimora
