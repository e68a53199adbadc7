#include "platform/system/stop_watch.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/system/stop_signals.h"

namespace platform {

void runWatchingForStop(const std::function<void()>& call, const std::function<void()>& onStop)
{
    std::mutex mutex;
    std::condition_variable closed;
    bool done = false;
    std::thread watcher([&] {
        std::unique_lock lock(mutex);
        while (!closed.wait_for(lock, std::chrono::milliseconds(50), [&] { return done; }))
            if (stopRequested()) onStop();
    });
    // The watcher ends however `call` leaves, also by an exception.
    struct Join {
        std::mutex& mutex;
        std::condition_variable& closed;
        bool& done;
        std::thread& watcher;
        ~Join()
        {
            {
                std::lock_guard lock(mutex);
                done = true;
            }
            closed.notify_all();
            watcher.join();
        }
    } join{mutex, closed, done, watcher};
    call();
}

}  // namespace platform
