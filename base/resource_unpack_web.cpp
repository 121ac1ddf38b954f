// The web edition's resources are stored as they are (resources/pack_plain.cmake).
#include "base/resource.h"

namespace trimora {

std::string UnpackResource(std::span<const unsigned char> data, std::string_view) {
    return std::string(reinterpret_cast<const char*>(data.data()), data.size());
}

} // namespace trimora
