#include "sim/Arena.h"

#include <cmath>

namespace {

TrigTable buildTable() {
    TrigTable table;
    for (int i = 0; i < TrigEntries; ++i) {
        const float angle = static_cast<float>(i) * 0.0017453294f;
        table.sine[i] = std::sin(angle);
        table.cosine[i] = std::cos(angle);
    }
    return table;
}

int foldIndex(float scaled) {
    // Past the int range every float is a whole number, so folding it first
    // gives the same entry without an undefined conversion.
    if (!(std::fabs(scaled) < 2147483520.0f)) {
        if (std::isnan(scaled) || std::isinf(scaled)) return 0;
        scaled = std::fmod(scaled, static_cast<float>(TrigEntries));
    }
    int index = static_cast<int>(scaled) % TrigEntries;
    if (index < 0) index += TrigEntries;
    return index;
}

}  // namespace

const TrigTable& trigTable() {
    static const TrigTable table = buildTable();
    return table;
}

int tableIndex(float angle) {
    return foldIndex(angle * 572.95776f);
}

int degreeIndex(int degrees) {
    return foldIndex(degreesToRadians(degrees) * 572.95776f);
}

float wrapAngle(float difference) {
    // Whole turns one at a time, as the steering has always done; only a
    // difference too large for that to finish is folded at once.
    if (std::fabs(difference) > 1.0e6f) difference = std::remainder(difference, TwoPi);
    while (difference < -Pi) difference += TwoPi;
    while (difference > Pi) difference -= TwoPi;
    return difference;
}
