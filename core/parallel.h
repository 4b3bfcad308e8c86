// Running a few independent tasks side by side on the standard library's threads.
#pragma once

#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

namespace wyc {

// Runs task(0) .. task(count - 1) and returns when all have finished: task 0 on the calling
// thread, the others on threads of their own. A thread that cannot be started (the system is
// out of threads or of address space for a stack) leaves its task to the calling thread, so
// the work is always done. The tasks must not throw, so every thread is joined before the return.
// std::thread rather than std::jthread: the browser build's standard library has no jthread.
template <class Task>
void RunSideBySide(std::size_t count, Task&& task) {
  std::vector<std::thread> workers;
  workers.reserve(count);
  std::vector<std::size_t> leftOver;
  leftOver.reserve(count);
  for (std::size_t i = 1; i < count; ++i) {
    try {
      workers.emplace_back([&task, i] { task(i); });
    } catch (const std::system_error&) {
      leftOver.push_back(i);
    }
  }
  if (count != 0) task(0);
  for (const std::size_t i : leftOver) task(i);
  for (std::thread& worker : workers) worker.join();
}

}  // namespace wyc
