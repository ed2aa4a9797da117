#pragma once

#include "sim/Arena.h"
#include "sim/Pellet.h"

#include <SFML/System/Vector2.hpp>

#include <type_traits>
#include <vector>

struct Snake;

// One body segment, copied at the start of a step; `a` decides the cell.
struct SegmentEntry {
    sf::Vector2f a;
    sf::Vector2f b;
    const Snake* owner;
};

// GridCells cells, row-major, addressed through cellOf.
using SegmentGrid = std::vector<std::vector<SegmentEntry>>;
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
