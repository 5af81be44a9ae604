// The helper thread and the batch steps built on it: every piece runs once,
// batches are read and written in order, and a failed read is rethrown only
// once everything before it is written.
#include "common/batch_pipeline.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "common/piece_runner.h"

namespace orvandel {
namespace {

TEST(PieceRunner, EveryPieceRunsOnceInEveryJob) {
    PieceRunner runner;
    for (std::size_t job = 0; job < 2000; ++job) {
        const std::size_t count = job % 13;
        std::vector<std::atomic<int>> runs(count);
        runner.run(count, [&](std::size_t i) { runs[i].fetch_add(1); });
        for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(runs[i].load(), 1) << job << " " << i;
    }
}

TEST(PieceRunner, TheFirstFailingPieceIsRethrownAfterTheOthersRan) {
    PieceRunner runner;
    std::atomic<int> ran{0};
    try {
        runner.run(8, [&](std::size_t i) {
            ran.fetch_add(1);
            if (i == 3 || i == 6) throw std::runtime_error("piece " + std::to_string(i));
        });
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "piece 3");
    }
    EXPECT_EQ(ran.load(), 8);
    // The runner goes on working after a failure.
    ran = 0;
    runner.run(5, [&](std::size_t) { ran.fetch_add(1); });
    EXPECT_EQ(ran.load(), 5);
}

// Numbers 0 .. total - 1 as batches of `size`: read, squared in pieces of
// 3, written in order. A read fails at `failAt` (never when negative).
class Squares : public BatchSteps {
public:
    Squares(int total, int size, int failAt) : total_(total), size_(size), failAt_(failAt) {}

    bool read(int slot) override {
        Slot& s = slots_[slot];
        s.values.clear();
        s.squares.clear();
        s.failure = nullptr;
        ++reads;
        while (static_cast<int>(s.values.size()) < size_) {
            if (next_ == total_) return false;
            if (next_ == failAt_) {
                s.failure = std::make_exception_ptr(std::runtime_error("bad " + std::to_string(next_)));
                return false;
            }
            s.values.push_back(next_++);
        }
        s.squares.assign(s.values.size(), -1);
        return next_ < total_;
    }
    std::size_t pieces(int slot) const override { return (slots_[slot].values.size() + 2) / 3; }
    void compute(int slot, std::size_t piece) override {
        Slot& s = slots_[slot];
        s.squares.resize(s.values.size());
        for (std::size_t i = piece * 3; i < std::min(s.values.size(), piece * 3 + 3); ++i) {
            s.squares[i] = s.values[i] * s.values[i];
        }
    }
    std::size_t writeParts() const override { return 2; }
    void write(int slot, std::size_t part) override {
        for (long long v : slots_[slot].squares) (part == 0 ? written : copy).push_back(v);
    }
    void finish(int slot) override {
        if (slots_[slot].failure) std::rethrow_exception(slots_[slot].failure);
    }

    std::vector<long long> written, copy;
    int reads = 0;

private:
    struct Slot {
        std::vector<long long> values, squares;
        std::exception_ptr failure;
    };
    Slot slots_[kSlots];
    int total_, size_, failAt_;
    int next_ = 0;
};

TEST(BatchSteps, EveryBatchIsWrittenInOrder) {
    PieceRunner runner;
    for (const int total : {0, 1, 7, 8, 9, 100, 1001}) {
        Squares steps(total, 8, -1);
        runBatches(runner, steps);
        ASSERT_EQ(steps.written.size(), static_cast<std::size_t>(total));
        for (int i = 0; i < total; ++i) ASSERT_EQ(steps.written[i], 1LL * i * i) << total;
        EXPECT_EQ(steps.copy, steps.written);
    }
}

TEST(BatchSteps, AFailedReadIsRethrownAfterEverythingBeforeItIsWritten) {
    PieceRunner runner;
    for (const int failAt : {0, 5, 8, 37, 64}) {
        Squares steps(100, 8, failAt);
        try {
            runBatches(runner, steps);
            FAIL() << "no exception";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "bad " + std::to_string(failAt));
        }
        ASSERT_EQ(steps.written.size(), static_cast<std::size_t>(failAt));
        for (int i = 0; i < failAt; ++i) ASSERT_EQ(steps.written[i], 1LL * i * i);
        // Nothing after the failure is read.
        EXPECT_EQ(steps.reads, failAt / 8 + 1);
    }
}

}  // namespace
}  // namespace orvandel
