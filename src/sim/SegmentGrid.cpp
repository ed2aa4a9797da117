#include "sim/SegmentGrid.h"

#include "sim/Arena.h"

#include <algorithm>

SegmentGrid::SegmentGrid(std::size_t pointCapacity)
    : snapshot(pointCapacity),
      cellStamp(GridCells, 0),
      cellFirst(GridCells, 0),
      cellCount(GridCells, 0),
      cursor(GridCells, 0) {
    pointCells.reserve(pointCapacity);
    staged.reserve(pointCapacity);
    stagedCells.reserve(pointCapacity);
    grouped.reserve(pointCapacity);
    usedCells.reserve(GridCells);
}

void SegmentGrid::clear() {
    snapshotCount = 0;
    segmentCount = 0;
    staged.clear();
    stagedCells.clear();
    nextStamp();
}

void SegmentGrid::nextStamp() {
    if (++stamp == 0) {
        std::fill(cellStamp.begin(), cellStamp.end(), 0);
        stamp = 1;
    }
}

void SegmentGrid::addBody(const sf::Vector2f* points, std::size_t count, const Snake* owner) {
    if (count < 2) return;
    if (snapshotCount + count > snapshot.size()) snapshot.resize(std::max(snapshot.size() * 2, snapshotCount + count));
    const std::size_t base = snapshotCount;
    std::copy(points, points + count, snapshot.begin() + static_cast<std::ptrdiff_t>(base));
    snapshotCount += count;
    segmentCount += count - 1;
    // The cells first, in a loop of their own that vectorises.
    pointCells.resize(count - 1);
    for (std::size_t i = 0; i + 1 < count; ++i) pointCells[i] = cellOf(points[i].x, points[i].y).index();
    std::size_t start = 0;
    int cell = pointCells[0];
    for (std::size_t i = 1; i + 1 < count; ++i) {
        const int next = pointCells[i];
        if (next == cell) continue;
        staged.push_back(Run{static_cast<std::uint32_t>(base + start), static_cast<std::uint32_t>(i - start), owner});
        stagedCells.push_back(cell);
        start = i;
        cell = next;
    }
    staged.push_back(Run{static_cast<std::uint32_t>(base + start), static_cast<std::uint32_t>(count - 1 - start), owner});
    stagedCells.push_back(cell);
}

// A counting sort of the runs by cell, keeping their order within a cell.
void SegmentGrid::finish() {
    nextStamp();
    usedCells.clear();
    for (const int cell : stagedCells) {
        if (cellStamp[cell] != stamp) {
            cellStamp[cell] = stamp;
            cellCount[cell] = 0;
            usedCells.push_back(cell);
        }
        ++cellCount[cell];
    }
    int first = 0;
    for (const int cell : usedCells) {
        cellFirst[cell] = first;
        cursor[cell] = first;
        first += cellCount[cell];
    }
    grouped.resize(staged.size());
    for (std::size_t i = 0; i < staged.size(); ++i) grouped[static_cast<std::size_t>(cursor[stagedCells[i]]++)] = staged[i];
}
