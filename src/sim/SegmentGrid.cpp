#include "sim/SegmentGrid.h"

#include "sim/Arena.h"

#include <algorithm>

SegmentGrid::SegmentGrid(std::size_t capacity)
    : stagedCells(capacity), stagedEntries(capacity), entries(capacity), cellStart(GridCells + 1, 0), cursor(GridCells, 0) {}

void SegmentGrid::clear() {
    stagedCount = 0;
    std::fill(cellStart.begin(), cellStart.end(), 0);
}

void SegmentGrid::grow() {
    const std::size_t capacity = stagedCells.size() * 2 + 1;
    stagedCells.resize(capacity);
    stagedEntries.resize(capacity);
    entries.resize(capacity);
}

// A counting sort by cell. A body's segments come in runs of one cell, so
// counts and places are carried in registers along a run rather than
// bounced through memory for every entry.
void SegmentGrid::finish() {
    std::fill(cellStart.begin(), cellStart.end(), 0);
    for (std::size_t i = 0; i < stagedCount;) {
        const int cell = stagedCells[i];
        std::size_t end = i + 1;
        while (end < stagedCount && stagedCells[end] == cell) ++end;
        cellStart[cell + 1] += static_cast<int>(end - i);
        i = end;
    }
    for (int cell = 0; cell < GridCells; ++cell) cellStart[cell + 1] += cellStart[cell];
    std::copy(cellStart.begin(), cellStart.end() - 1, cursor.begin());
    for (std::size_t i = 0; i < stagedCount;) {
        const int cell = stagedCells[i];
        int place = cursor[cell];
        for (; i < stagedCount && stagedCells[i] == cell; ++i) entries[place++] = stagedEntries[i];
        cursor[cell] = place;
    }
}

SegmentGrid::Entries SegmentGrid::operator[](int cell) const {
    const SegmentEntry* base = entries.data();
    return Entries{base + cellStart[cell], base + cellStart[cell + 1]};
}
