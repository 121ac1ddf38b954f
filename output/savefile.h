// Writing files safely: the bytes go to a temporary file in the target folder, which is renamed
// over the target only when every write succeeded, so a failure leaves an existing file intact.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trimora {

// Returns "" on success, otherwise a German message naming the file and the reason.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

// Lines joined for a text file of the Windows world: Windows-1252 with CR LF after every line.
std::string ToWindowsText(const std::vector<std::string>& utf8Lines);

} // namespace trimora
