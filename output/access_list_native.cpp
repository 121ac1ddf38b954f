// Access lists as extended attributes.
#include "output/access_list.h"

#include <cerrno>
#include <cstddef>
#include <sys/xattr.h>

namespace trimora {

bool CopyAccessList(int from, int to) {
    static constexpr const char* kAccessList = "system.posix_acl_access";
    char list[4096];
    const ssize_t n = fgetxattr(from, kAccessList, list, sizeof list);
    if (n < 0) return errno == ENODATA || errno == ENOTSUP;
    return fsetxattr(to, kAccessList, list, static_cast<std::size_t>(n), 0) == 0;
}

} // namespace trimora
