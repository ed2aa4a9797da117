#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <cstdint>
#include <vector>

struct Snake;

// One body segment, copied at the start of a step; `a` decides the cell.
struct SegmentEntry {
    sf::Vector2f a;
    sf::Vector2f b;
    const Snake* owner;
};

// The segments of a step by grid cell, kept in one flat array grouped cell
// by cell. Entries are staged in the order they come and grouped once, so
// each cell lists its entries in that order and a rebuild never scatters
// writes over thousands of small arrays. Only the cells in use are touched:
// a cell whose stamp is not the current one reads empty.
class SegmentGrid {
public:
    // The entries of one cell, in the order they were added.
    struct Entries {
        const SegmentEntry* first;
        const SegmentEntry* last;
        const SegmentEntry* begin() const { return first; }
        const SegmentEntry* end() const { return last; }
        std::size_t size() const { return static_cast<std::size_t>(last - first); }
        const SegmentEntry& operator[](std::size_t i) const { return first[i]; }
    };

    explicit SegmentGrid(std::size_t capacity);

    void clear();
    void add(int cell, sf::Vector2f a, sf::Vector2f b, const Snake* owner) {
        if (stagedCount == stagedCells.size()) grow();
        stagedCells[stagedCount] = cell;
        // Field by field: a whole-record copy through the stack stalls here.
        SegmentEntry& slot = stagedEntries[stagedCount++];
        slot.a = a;
        slot.b = b;
        slot.owner = owner;
    }
    // Groups what was added since the last clear; cells read empty until then.
    void finish();

    Entries operator[](int cell) const;
    std::size_t size() const { return stagedCount; }

private:
    void grow();
    void nextStamp();

    // Sized ahead; the first stagedCount are in use.
    std::vector<int> stagedCells;
    std::vector<SegmentEntry> stagedEntries;
    std::size_t stagedCount = 0;
    std::vector<SegmentEntry> entries;  // grouped by cell, sized like the staging
    std::vector<std::uint32_t> cellStamp;
    std::vector<int> cellFirst;  // where a stamped cell's entries start
    std::vector<int> cellCount;
    std::vector<int> cursor;
    std::vector<int> usedCells;  // the stamped cells, in the order first met
    std::uint32_t stamp = 1;
};
