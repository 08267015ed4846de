#pragma once

#include <string>
#include <vector>

// Writes sounds as WAVE files of 16-bit mono samples.
class WaveWriter {
public:
    // Samples from -1 to 1 (clipped beyond) at the rate; false when the file could not be written.
    static bool write(const std::string& path, const std::vector<float>& samples, int rate);
};
