// The memory reserve and the allocation-failure handler.
#include "memory_reserve.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

// Enough for any bounded recalculation to finish.
constexpr std::size_t kReserveBytes = std::size_t{16} << 20;

void* reserve = nullptr;
bool shortage = false;

// An allocation failed: the reserve goes back and the allocation is tried
// again; with none left nothing sensible can be shown, and the program ends.
void handleOutOfMemory() {
    if (reserve != nullptr) {
        std::free(reserve);
        reserve = nullptr;
        shortage = true;
        return;
    }
    std::fputs("out of memory\n", stderr);
    std::exit(1);
}

struct MemoryReserve {
    MemoryReserve() {
        reserve = std::malloc(kReserveBytes);
        std::set_new_handler(handleOutOfMemory);
    }
} memoryReserve;

}  // namespace

bool takeMemoryShortage() {
    const bool was = shortage;
    shortage = false;
    return was;
}

void restoreMemoryReserve() {
    if (reserve == nullptr) reserve = std::malloc(kReserveBytes);
}
