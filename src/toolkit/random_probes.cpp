#include "toolkit/random_probes.h"

#include "toolkit/random_block.h"

bool HasBytePermutes() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vbmi");
    }();
    return has;
}

int32_t SupportedProbeScans(NamedProbeScan (&scans)[4]) {
    int32_t count = 0;
    scans[count++] = {"scalar", FirstFittingProbeScalar};
    if (IsRandomPathSupported(RandomPath::kAvx2)) scans[count++] = {"avx2", FirstFittingProbeAvx2};
    if (IsRandomPathSupported(RandomPath::kAvx512)) scans[count++] = {"avx512", FirstFittingProbeAvx512};
    if (HasBytePermutes()) scans[count++] = {"bitmap", FirstFittingProbeBitmap};
    return count;
}

ProbeScan ActiveProbeScan() {
    switch (ActiveRandomPath()) {
        case RandomPath::kAvx512: return HasBytePermutes() ? FirstFittingProbeBitmap : FirstFittingProbeAvx512;
        case RandomPath::kAvx2: return FirstFittingProbeAvx2;
        case RandomPath::kSerial:
        case RandomPath::kScalar: break;
    }
    return FirstFittingProbeScalar;
}

int32_t FirstFittingProbeScalar(const uint32_t* draws, int32_t probes, const PlaceTable& table) {
    for (int32_t probe = 0; probe < probes; ++probe) {
        const int32_t column = ProbeColumn(draws[2 * probe]);
        const int32_t row = ProbeRow(draws[2 * probe + 1]);
        if (table.cells[column * table.columnStride + row] & table.mask) return probe;
    }
    return -1;
}
