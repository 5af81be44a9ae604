#include "common/old_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace orvandel {

namespace {

// Below this a file is given back as fast as it is set aside.
constexpr off_t kLargeFile = off_t{1} << 20;

// Closes the descriptors it is handed, one after another, on its own thread.
class Releaser {
public:
    ~Releaser() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable()) thread_.join();
        for (int fd : pending_) ::close(fd);
    }

    void release(int fd) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!thread_.joinable() && !startFailed_) {
            try {
                thread_ = std::thread([this] { loop(); });
            } catch (const std::system_error&) {
                startFailed_ = true;
            }
        }
        if (!thread_.joinable()) {
            lock.unlock();
            ::close(fd);
            return;
        }
        pending_.push_back(fd);
        lock.unlock();
        changed_.notify_all();
    }

    void wait() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return pending_.empty() && !closing_; });
    }

private:
    void loop() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [&] { return stopping_ || !pending_.empty(); });
            if (pending_.empty()) return;
            const int fd = pending_.front();
            pending_.pop_front();
            closing_ = true;
            lock.unlock();
            ::close(fd);
            lock.lock();
            closing_ = false;
            changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<int> pending_;
    std::thread thread_;
    bool closing_ = false;
    bool stopping_ = false;
    bool startFailed_ = false;
};

Releaser& releaser() {
    static Releaser r;
    return r;
}

}  // namespace

int setAsideOldFile(const std::string& path) {
    // Opening for writing asks the same permission as truncating would.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    const bool plain = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_uid == ::geteuid() &&
                       st.st_size >= kLargeFile;
    if (!plain || ::unlink(path.c_str()) != 0) {
        ::close(fd);
        return -1;
    }
    releaser().release(fd);
    return static_cast<int>(st.st_mode & 07777);
}

void waitForOldFiles() { releaser().wait(); }

}  // namespace orvandel
