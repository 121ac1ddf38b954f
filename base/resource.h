// The text resources built into the program (catalogue XTRIMORA, topics WTRIMORA): Windows-1252
// text with CR LF line ends, stored as zlib streams (in the web edition as they are).
//
// A resource that is missing or cannot be inflated is a fault of the build, not of the user's data:
// the loaders throw ResourceError with a German message that the caller shows before giving up.
#pragma once

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

class ResourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The bytes of a built-in resource as the build stored them: inflated on the desktop, as they are in
// the web edition. Throws ResourceError when they are damaged.
std::string UnpackResource(std::span<const unsigned char> data, std::string_view what);

// Inflates one complete zlib stream (with zlib header); the desktop only. Throws ResourceError when the stream is
// damaged, truncated or followed by further bytes; `what` names the data in the message.
std::string InflateZlib(std::span<const unsigned char> data, std::string_view what);

// The inflated bytes of the built-in resource `name` (matched without regard to case), unconverted.
// Throws ResourceError when there is no such resource or it is damaged.
std::string LoadResourceBytes(std::string_view name);

// Lines of a text: split at CR LF, at a lone LF and at a lone CR (old Macintosh files); a line end
// at the end of the text does not start another line, so "" gives no lines and "a\r\n" one.
std::vector<std::string> SplitLines(std::string_view text);

// The lines of the built-in resource `name`, converted from Windows-1252 to UTF-8.
// An empty resource gives an empty list. Throws ResourceError like LoadResourceBytes.
std::vector<std::string> LoadResourceLines(std::string_view name);

} // namespace trimora
