#include "allocation.h"

#include <cstdlib>

#include "runtime_error.h"

std::string AllocationFailureMessage(std::size_t count) {
    // Built with the standard library, not with the service that has just failed.
    return "分配 " + std::to_string(count) + " 字节内存失败!";
}

void ReportAllocationFailure(std::size_t count) {
    ReportRuntimeError(0, AllocationFailureMessage(count));
}

void* AllocateBytes(std::size_t count) {
    // malloc(0) may answer null without failing; ask for at least one byte.
    void* block = std::malloc(count == 0 ? 1 : count);
    if (block == nullptr) ReportAllocationFailure(count);
    return block;
}

void ReleaseBytes(void* block) {
    std::free(block);
}
