// Two jobs one after the other: the web edition runs on one thread.
#include "explore/two_jobs.h"

namespace trimora {

void RunTwoJobs(const std::function<void()>& helper, const std::function<void()>& main) {
    helper();
    main();
}

} // namespace trimora
