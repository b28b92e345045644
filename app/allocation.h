#pragma once

#include <cstddef>
#include <string>

// The one allocation service of the program's logic. A failure never reaches the
// caller: it ends the program through the run-time error report, naming the bytes asked for.
void* AllocateBytes(std::size_t count);
void ReleaseBytes(void* block);

// The report's message for a failed allocation of `count` bytes.
std::string AllocationFailureMessage(std::size_t count);
[[noreturn]] void ReportAllocationFailure(std::size_t count);
