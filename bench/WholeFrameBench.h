#pragma once

#include <string>

// Registers the whole-frame benchmarks: the title frame and the world frame
// of the standard and the crowded arena at 1280x720, 1920x1080 and
// 3840x2160. With a folder, each case's frame after the timed ones is saved
// there as a PNG.
void registerWholeFrames(const std::string& shotFolder);
