#pragma once
// A second thread that joins in on a job of independent pieces. The calling
// thread takes pieces too and never waits for the helper to wake up: on a
// busy machine it simply does them all. It waits only for a piece that the
// helper has already started.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace orvandel {

class PieceRunner {
public:
    PieceRunner() = default;
    ~PieceRunner();
    PieceRunner(const PieceRunner&) = delete;
    PieceRunner& operator=(const PieceRunner&) = delete;

    // Runs piece(0) .. piece(count - 1), each exactly once, here and on the
    // helper, taken in that order; returns when all are done. Without a
    // second processor all run here. A piece that throws does not stop the
    // others; the first exception (by piece number) is rethrown here.
    void run(std::size_t count, const std::function<void(std::size_t)>& piece);

private:
    bool startHelper();
    void helperLoop();
    // Takes pieces until none is left.
    void takePieces(const std::function<void(std::size_t)>& piece, std::size_t count);

    std::thread thread_;
    bool unavailable_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void(std::size_t)>* piece_ = nullptr;
    std::size_t count_ = 0;
    std::atomic<std::size_t> next_{0};
    unsigned long long job_ = 0;
    bool helperBusy_ = false;
    bool stopping_ = false;
    std::size_t failedPiece_ = 0;
    std::exception_ptr failure_;
};

}  // namespace orvandel
