// A file's access list (POSIX ACL), carried over when a file is replaced by a new one.
#pragma once

namespace trimora {

// The access list of the open file `from` onto `to`; false when it has one that cannot be carried
// over. The web edition's files (Node's file system) have none: always true there.
bool CopyAccessList(int from, int to);

} // namespace trimora
