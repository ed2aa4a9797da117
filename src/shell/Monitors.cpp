#include "shell/Monitors.h"

#include <algorithm>

namespace {

long long overlap(const sf::IntRect& a, const sf::IntRect& b) {
    sf::IntRect common;
    return a.intersects(b, common) ? static_cast<long long>(common.width) * common.height : 0;
}

}  // namespace

sf::IntRect primaryMonitor(const std::vector<Monitor>& monitors) {
    for (const Monitor& monitor : monitors)
        if (monitor.primary) return monitor.area;
    return monitors.front().area;
}

sf::IntRect monitorHoldingMost(const std::vector<Monitor>& monitors, const sf::IntRect& window) {
    const Monitor* most = nullptr;
    long long mostArea = 0;
    for (const Monitor& monitor : monitors) {
        const long long area = overlap(monitor.area, window);
        if (area > mostArea) {
            most = &monitor;
            mostArea = area;
        }
    }
    return most ? most->area : primaryMonitor(monitors);
}

sf::Vector2i centredOn(const sf::IntRect& monitor, sf::Vector2i size) {
    return sf::Vector2i(monitor.left + std::max(0, (monitor.width - size.x) / 2),
                        monitor.top + std::max(0, (monitor.height - size.y) / 2));
}
