// Two jobs at once, on both cores where there are two.
#pragma once

#include <functional>

namespace trimora {

// Runs `helper` on a second thread while this thread runs `main`, and returns when both are done.
// Where there is no second thread (none to be had, or the web edition, which runs on one) `helper`
// runs first and `main` after it: jobs that share their work must give the same results either way.
void RunTwoJobs(const std::function<void()>& helper, const std::function<void()>& main);

} // namespace trimora
