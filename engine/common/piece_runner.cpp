#include "common/piece_runner.h"

#include <system_error>

namespace orvandel {

PieceRunner::~PieceRunner() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool PieceRunner::startHelper() {
    if (thread_.joinable()) return true;
    if (unavailable_) return false;
    if (std::thread::hardware_concurrency() < 2) {
        unavailable_ = true;
        return false;
    }
    try {
        thread_ = std::thread([this] { helperLoop(); });
    } catch (const std::system_error&) {
        // No thread to be had: everything runs on the caller.
        unavailable_ = true;
        return false;
    }
    return true;
}

void PieceRunner::takePieces(const std::function<void(std::size_t)>& piece, std::size_t count) {
    for (;;) {
        const std::size_t i = next_.fetch_add(1);
        if (i >= count) return;
        try {
            piece(i);
        } catch (...) {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!failure_ || i < failedPiece_) {
                failure_ = std::current_exception();
                failedPiece_ = i;
            }
        }
    }
}

void PieceRunner::helperLoop() {
    unsigned long long seen = 0;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || job_ != seen; });
        if (stopping_) return;
        seen = job_;
        // A job the caller has already finished leaves nothing to take.
        if (count_ == 0) continue;
        const std::function<void(std::size_t)>& piece = *piece_;
        const std::size_t count = count_;
        helperBusy_ = true;
        lock.unlock();
        takePieces(piece, count);
        lock.lock();
        helperBusy_ = false;
        changed_.notify_all();
    }
}

void PieceRunner::run(std::size_t count, const std::function<void(std::size_t)>& piece) {
    if (count == 0) return;
    const bool helper = count > 1 && startHelper();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        piece_ = &piece;
        count_ = count;
        next_.store(0);
        failure_ = nullptr;
        if (helper) ++job_;
    }
    if (helper) changed_.notify_all();
    takePieces(piece, count);
    std::unique_lock<std::mutex> lock(mutex_);
    // The helper may still be on its last piece, or may wake only now and
    // find nothing left; either way it is done once it is no longer busy.
    changed_.wait(lock, [&] { return !helperBusy_; });
    // A helper that has not woken up yet must find no pieces of this job.
    count_ = 0;
    piece_ = nullptr;
    std::exception_ptr failure = failure_;
    failure_ = nullptr;
    lock.unlock();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace orvandel
