#pragma once

#include "sim/Arena.h"
#include "sim/Pellet.h"
#include "sim/SegmentGrid.h"

#include <type_traits>
#include <vector>

// The live pellets by grid cell; pointers into the fixed pool.
using PelletGrid = std::vector<std::vector<Pellet*>>;

// Visits the cells of the square of the given reach around a cell, rows
// outer and columns inner, skipping those outside the grid. A visitor that
// returns true stops the walk, and the walk then returns true.
template <typename Visit>
bool forEachCellAround(Cell centre, int reach, Visit visit) {
    for (int row = centre.row - reach; row <= centre.row + reach; ++row) {
        if (row < 0 || row >= GridSide) continue;
        for (int column = centre.column - reach; column <= centre.column + reach; ++column) {
            if (column < 0 || column >= GridSide) continue;
            if constexpr (std::is_same_v<decltype(visit(0)), bool>) {
                if (visit(row * GridSide + column)) return true;
            } else {
                visit(row * GridSide + column);
            }
        }
    }
    return false;
}
