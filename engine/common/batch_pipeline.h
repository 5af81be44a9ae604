#pragma once
// Stations in batches through three steps: read (in input order), compute
// (a batch in pieces, on either thread, in any order) and write (in input
// order, in parts that write different files). While batch t is computed,
// batch t + 1 is read and batch t - 1 written; the files come out exactly as
// when every station is read, computed and written in turn.
#include <cstddef>

#include "common/piece_runner.h"

namespace orvandel {

// The text of pieces computed on different threads is laid out on cache
// lines of its own: lengths updated on every line would otherwise bounce a
// shared line between the processors.
inline constexpr std::size_t kPieceAlignment = 64;

// The stations [first, last) of one piece of a batch.
struct PieceRange {
    std::size_t first;
    std::size_t last;
};

// A batch of count stations cut into pieces of size stations: how many
// pieces, and the stations of piece number piece.
constexpr std::size_t pieceCount(std::size_t count, std::size_t size) { return (count + size - 1) / size; }
constexpr PieceRange pieceRange(std::size_t piece, std::size_t count, std::size_t size) {
    const std::size_t first = piece * size;
    return {first, first + size < count ? first + size : count};
}

class BatchSteps {
public:
    static constexpr int kSlots = 3;

    virtual ~BatchSteps() = default;
    // Fills slot 0, 1 or 2 with the next batch; false when no batch follows
    // it. A read that fails keeps the stations before the failure and the
    // failure itself, for write() to rethrow once they are written.
    virtual bool read(int slot) = 0;
    virtual std::size_t pieces(int slot) const = 0;
    virtual void compute(int slot, std::size_t piece) = 0;
    // The parts of a write are independent of each other (different files).
    virtual std::size_t writeParts() const { return 1; }
    virtual void write(int slot, std::size_t part) = 0;
    // After every part of the batch's write: rethrows the failure of its read.
    virtual void finish(int slot) = 0;
};

// Runs every batch through the steps; the first exception ends the run
// (a later batch is then never written).
void runBatches(PieceRunner& runner, BatchSteps& steps);

}  // namespace orvandel
