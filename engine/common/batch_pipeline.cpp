#include "common/batch_pipeline.h"

namespace orvandel {

void runBatches(PieceRunner& runner, BatchSteps& steps) {
    constexpr int n = BatchSteps::kSlots;
    // The number of the last batch, -1 while more may follow.
    long long last = steps.read(0) ? -1 : 0;
    for (long long t = 0; last < 0 || t <= last + 1; ++t) {
        const bool writing = t >= 1;
        const bool reading = last < 0;
        const bool computing = last < 0 || t <= last;
        const int writeSlot = static_cast<int>((t + n - 1) % n);
        const int readSlot = static_cast<int>((t + 1) % n);
        const int computeSlot = static_cast<int>(t % n);
        const std::size_t count = computing ? steps.pieces(computeSlot) : 0;
        const std::size_t parts = steps.writeParts();
        bool more = true;
        // The steps that must keep their order go first, so that the other
        // thread takes the pieces of the computation meanwhile.
        runner.run(parts + 1 + count, [&](std::size_t i) {
            if (i < parts) {
                if (writing) steps.write(writeSlot, i);
            } else if (i == parts) {
                if (reading) more = steps.read(readSlot);
            } else {
                steps.compute(computeSlot, i - parts - 1);
            }
        });
        if (writing) steps.finish(writeSlot);
        if (reading && !more) last = t + 1;
    }
}

}  // namespace orvandel
