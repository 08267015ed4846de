#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The ripple of a WATER link over a width × height picture: each pixel (but those an alpha plane
// makes transparent) takes the unaltered pixel m columns and m rows away, kept within the
// picture, where m = (sin phase × cos d + cos phase × sin d) × factor, truncated, d the pixel's
// distance from the centre (width / 2, height / 2) and sin d, cos d floats.
//
// The distance is the same either side of the centre, so the tables hold one quarter of the
// picture, each step works m out once for each of its pixels, and the rows of m are mirrored from
// the quarter's. Rows whose pixels move by one at most (the usual factors) are made by choosing
// among three neighbours of every pixel at once; other rows pixel by pixel.
class CWaterRipple {
public:
    CWaterRipple(int width, int height);

    int getWidth() const { return width_; }
    int getHeight() const { return height_; }
    // One ripple of the unaltered pixels into `pixels`; alpha may be null. A factor that is not a
    // number moves nothing, and one beyond a billion either way counts as a billion.
    void ripple(const uint16_t* unaltered, uint16_t* pixels, const uint8_t* alpha, float sinPhase, float cosPhase, double factor);

private:
    // The waves at which m reaches 1 and 2 either way for a factor, and whether it is negative.
    struct Thresholds {
        explicit Thresholds(double factor);

        float one;
        float two;
        bool negative;
    };

    // The smallest float wave whose product with the factor (above 0), as doubles, reaches the
    // bound; infinity when none does.
    static float threshold(double factor, double bound);
    // m of the pixel.
    int shift(int x, int y, float sinPhase, float cosPhase, double factor) const;
    // m of the pixels of the rows `distance` rows from the centre, kept within -1 to 1; true when
    // some pixel moves by more.
    bool rowShifts(int distance, float sinPhase, float cosPhase, const Thresholds& thresholds);
    // The row's pixels one by one, each moved by its own m.
    void movePixels(int y, float sinPhase, float cosPhase, double factor, const uint16_t* unaltered, uint16_t* pixels,
                    const uint8_t* alpha) const;
    // The row's end pixels one by one; the others chosen among their diagonal neighbours by the
    // row's m.
    void chooseNeighbours(int y, const uint16_t* unaltered, uint16_t* pixels, const uint8_t* alpha) const;

    int width_;
    int height_;
    int centreX_;
    int centreY_;
    int quarterWidth_;
    int halfHeight_;
    std::vector<float> sinD_;
    std::vector<float> cosD_;
    std::vector<int8_t> quarterShifts_;
    std::vector<int8_t> shifts_;
};
