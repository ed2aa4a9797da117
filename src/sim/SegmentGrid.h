#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <cstdint>
#include <vector>

struct Snake;

// One body segment as it stood at the start of a step; `a` decides the cell.
struct SegmentEntry {
    sf::Vector2f a;
    sf::Vector2f b;
    const Snake* owner;
};

// The segments of a step by grid cell. Each body is copied once as it
// stands, and a cell lists runs of consecutive segments of one body rather
// than the segments themselves: a body crosses few cells, so a rebuild
// groups a handful of runs instead of every segment. Only the cells in use
// are touched: a cell whose stamp is not the current one reads empty.
class SegmentGrid {
public:
    explicit SegmentGrid(std::size_t pointCapacity);

    void clear();
    // The body's segments, point i to point i + 1, each in the cell of point i.
    void addBody(const sf::Vector2f* points, std::size_t count, const Snake* owner);
    // Groups what was added since the last clear; cells read empty until then.
    void finish();

    // Visits the segments of a cell in the order they were added, until the
    // visitor returns true; then returns true.
    template <typename Visit>
    bool anyIn(int cell, Visit visit) const {
        if (cellStamp[cell] != stamp) return false;
        const Run* run = grouped.data() + cellFirst[cell];
        for (const Run* end = run + cellCount[cell]; run != end; ++run) {
            const sf::Vector2f* point = snapshot.data() + run->first;
            for (const sf::Vector2f* last = point + run->count; point != last; ++point)
                if (visit(SegmentEntry{point[0], point[1], run->owner})) return true;
        }
        return false;
    }
    std::size_t size() const { return segmentCount; }

private:
    struct Run {
        std::uint32_t first;  // in the snapshot
        std::uint32_t count;  // segments
        const Snake* owner;
    };

    void nextStamp();

    std::vector<sf::Vector2f> snapshot;  // sized ahead; the first snapshotCount in use
    std::size_t snapshotCount = 0;
    std::size_t segmentCount = 0;
    // Runs in the order they were added, each with its cell; then grouped.
    std::vector<Run> staged;
    std::vector<int> stagedCells;
    std::vector<int> pointCells;  // scratch: the cell of each point of a body
    std::vector<Run> grouped;
    std::vector<std::uint32_t> cellStamp;
    std::vector<int> cellFirst;  // where a stamped cell's runs start
    std::vector<int> cellCount;
    std::vector<int> cursor;
    std::vector<int> usedCells;  // the stamped cells, in the order first met
    std::uint32_t stamp = 1;
};
