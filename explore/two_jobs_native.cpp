// Two jobs on two threads.
#include "explore/two_jobs.h"

#include <system_error>
#include <thread>

namespace trimora {

void RunTwoJobs(const std::function<void()>& helper, const std::function<void()>& main) {
    std::thread second;
    try {
        second = std::thread(helper);
    } catch (const std::system_error&) {
        helper(); // no second thread to be had: one after the other
    }
    // The second thread is waited for however `main` ends.
    struct Join {
        std::thread& thread;
        ~Join() {
            if (thread.joinable()) thread.join();
        }
    } join{second};
    main();
}

} // namespace trimora
