#pragma once

#include <functional>

namespace corvane::platform {

// Runs the function on the thread of the application object and waits until it has run. Called on
// that thread, it runs at once. An exception from the function is rethrown to the caller.
void runOnUiThreadAndWait(const std::function<void()> &function);

// Queues the function to run on the application object's thread and returns at once.
void postToUiThread(std::function<void()> function);

bool isUiThread();

} // namespace corvane::platform
