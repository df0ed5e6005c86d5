#include "hub/core/RotatorState.h"

#include <algorithm>

#include "hub/core/Angles.h"

namespace kolt {

AntennaRecord& activeAntennaRecord(RotatorState& state) {
    const int i = state.activeAntenna;
    return state.antennas[static_cast<std::size_t>(i >= 0 && i < kAntennaCount ? i : 0)];
}

const AntennaRecord& activeAntennaRecord(const RotatorState& state) {
    const int i = state.activeAntenna;
    return state.antennas[static_cast<std::size_t>(i >= 0 && i < kAntennaCount ? i : 0)];
}

int antennaBearing(const RotatorState& state) {
    const AntennaRecord& a = activeAntennaRecord(state);
    if (state.model == RotatorModel::RemoteTcp) return wrapOnce(a.rotorAzimuth);
    return wrapOnce(a.rotorAzimuth + a.offset);
}

int elevationAsShown(const RotatorState& state) {
    return std::clamp<int>(state.elevation, 0, 180);
}

}  // namespace kolt
