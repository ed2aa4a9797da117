#pragma once

#include "sim/Arena.h"
#include "sim/Pellet.h"

#include <SFML/System/Vector2.hpp>

#include <vector>

struct Snake;

// One body segment, copied at the start of a step; `a` decides the cell.
struct SegmentEntry {
    sf::Vector2f a;
    sf::Vector2f b;
    const Snake* owner;
};

// 2500 cells, row-major, addressed through cellOf.
using SegmentGrid = std::vector<std::vector<SegmentEntry>>;
using PelletGrid = std::vector<std::vector<Pellet*>>;

// Visits the cells of the square of the given reach around a cell, rows
// outer and columns inner, skipping those outside the grid.
template <typename Visit>
void forEachCellAround(int column, int row, int reach, Visit visit) {
    for (int r = row - reach; r <= row + reach; ++r) {
        if (r < 0 || r >= GridSide) continue;
        for (int c = column - reach; c <= column + reach; ++c) {
            if (c < 0 || c >= GridSide) continue;
            visit(r * GridSide + c);
        }
    }
}
