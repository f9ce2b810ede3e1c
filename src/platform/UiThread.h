#pragma once

#include <functional>

namespace corvane::platform {

// Queues the function to run on the application object's thread and returns at once.
void postToUiThread(std::function<void()> function);

bool isUiThread();

} // namespace corvane::platform
