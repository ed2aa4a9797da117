#pragma once

// The arena's shape, the mapping of world points to grid cells, and the
// sine/cosine table through which directions become vectors.

constexpr float ArenaRadius = 3800.0f;
constexpr float ArenaRadiusSquared = ArenaRadius * ArenaRadius;  // exact in float
constexpr float CellSize = 152.0f;
constexpr int GridSide = 50;
constexpr int GridCells = GridSide * GridSide;
constexpr int TrigEntries = 3600;

// Sine then cosine, in tenths of a degree.
struct TrigTable {
    float sine[TrigEntries];
    float cosine[TrigEntries];
};

const TrigTable& trigTable();

// Radians to a table index; the heading is never wrapped first, the
// remainder folds any number of turns.
int tableIndex(float angle);

// Whole degrees (0..359) to a table index, through pi/180 and 1800/pi in
// single precision, so some degrees land one entry low.
int degreeIndex(int degrees);

constexpr float Pi = 3.1415927f;
constexpr float TwoPi = 6.2831855f;

inline float degreesToRadians(int degrees) {
    return static_cast<float>(degrees) * Pi / 180.0f;
}

// An angle difference brought into -pi..pi by whole turns, the short way round.
float wrapAngle(float difference);

struct Cell {
    int column;
    int row;
    int index() const { return row * GridSide + column; }
};

namespace detail {
// Clamping before the conversion gives the same cell as truncating first,
// and keeps points far outside the grid well defined. Selects rather than
// branches, so loops over many points vectorise.
inline int clampCell(float coordinate) {
    float cell = (coordinate + ArenaRadius) / CellSize;
    cell = cell > 0.0f ? cell : 0.0f;  // NaN too
    cell = cell < static_cast<float>(GridSide - 1) ? cell : static_cast<float>(GridSide - 1);
    return static_cast<int>(cell);
}
}  // namespace detail

inline Cell cellOf(float x, float y) {
    return Cell{detail::clampCell(x), detail::clampCell(y)};
}
