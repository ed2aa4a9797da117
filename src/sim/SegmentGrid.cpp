#include "sim/SegmentGrid.h"

#include "sim/Arena.h"

#include <algorithm>

SegmentGrid::SegmentGrid(std::size_t capacity)
    : stagedCells(capacity),
      stagedEntries(capacity),
      entries(capacity),
      cellStamp(GridCells, 0),
      cellFirst(GridCells, 0),
      cellCount(GridCells, 0),
      cursor(GridCells, 0) {
    usedCells.reserve(GridCells);
}

void SegmentGrid::clear() {
    stagedCount = 0;
    nextStamp();
}

void SegmentGrid::grow() {
    const std::size_t capacity = stagedCells.size() * 2 + 1;
    stagedCells.resize(capacity);
    stagedEntries.resize(capacity);
    entries.resize(capacity);
}

void SegmentGrid::nextStamp() {
    if (++stamp == 0) {
        std::fill(cellStamp.begin(), cellStamp.end(), 0);
        stamp = 1;
    }
}

// A counting sort by cell. A body's segments come in runs of one cell, so
// counts and places are carried in registers along a run rather than
// bounced through memory for every entry.
void SegmentGrid::finish() {
    nextStamp();
    usedCells.clear();
    for (std::size_t i = 0; i < stagedCount;) {
        const int cell = stagedCells[i];
        std::size_t end = i + 1;
        while (end < stagedCount && stagedCells[end] == cell) ++end;
        if (cellStamp[cell] != stamp) {
            cellStamp[cell] = stamp;
            cellCount[cell] = 0;
            usedCells.push_back(cell);
        }
        cellCount[cell] += static_cast<int>(end - i);
        i = end;
    }
    int first = 0;
    for (const int cell : usedCells) {
        cellFirst[cell] = first;
        cursor[cell] = first;
        first += cellCount[cell];
    }
    for (std::size_t i = 0; i < stagedCount;) {
        const int cell = stagedCells[i];
        int place = cursor[cell];
        for (; i < stagedCount && stagedCells[i] == cell; ++i) entries[place++] = stagedEntries[i];
        cursor[cell] = place;
    }
}

SegmentGrid::Entries SegmentGrid::operator[](int cell) const {
    if (cellStamp[cell] != stamp) return Entries{nullptr, nullptr};
    const SegmentEntry* start = entries.data() + cellFirst[cell];
    return Entries{start, start + cellCount[cell]};
}
