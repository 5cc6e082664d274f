#include "floors/spot_probes.h"

#include "shell/random_block.h"

int32_t FirstFittingProbe(const uint64_t* draws, const PlaceTable& table) {
    switch (ActiveRandomPath()) {
        case RandomPath::kAvx512: return FirstFittingProbeAvx512(draws, table);
        case RandomPath::kAvx2: return FirstFittingProbeAvx2(draws, table);
        case RandomPath::kSerial:
        case RandomPath::kScalar: break;
    }
    return FirstFittingProbeScalar(draws, table);
}

int32_t FirstFittingProbeScalar(const uint64_t* draws, const PlaceTable& table) {
    for (int32_t probe = 0; probe < kProbeBatch; ++probe) {
        const int32_t column = ProbeColumn(draws[2 * probe]);
        const int32_t row = ProbeRow(draws[2 * probe + 1]);
        if (table.cells[column * table.columnStride + row] & table.mask) return probe;
    }
    return -1;
}
