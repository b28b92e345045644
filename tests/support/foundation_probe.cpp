// Drives the foundation into its failure reports without a window system:
//   foundation_probe index N   reads element N of a list of six
//   foundation_probe alloc N   asks the allocation service for N bytes
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "allocation.h"
#include "one_based_list.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const long long value = std::atoll(argv[2]);
    if (std::strcmp(argv[1], "index") == 0) {
        OneBasedList<int> list;
        for (int i = 1; i <= 6; ++i)
            list.Append(i);
        std::printf("%d\n", list.At(static_cast<std::int32_t>(value)));
        return 0;
    }
    if (std::strcmp(argv[1], "alloc") == 0) {
        void* block = AllocateBytes(std::size_t(std::stoull(argv[2])));
        ReleaseBytes(block);
        std::puts("allocated");
        return 0;
    }
    return 2;
}
