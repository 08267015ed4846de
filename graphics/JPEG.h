#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class CFileBytes;
class CXString;

// A JPEG picture decoded to 15- or 16-bit pixels. The head is read when the object is made; a
// stream that is not a JPEG, is damaged or is too large leaves it not open, and decompress then
// gives nothing. Decoder errors come back here as failures; the process never ends on them.
class JPEG {
public:
    // The stream in memory; not copied, so it must outlive decompress().
    JPEG(const uint8_t* data, size_t length);
    // The whole file at that full path, read into memory first.
    explicit JPEG(const CXString& path);
    ~JPEG();
    JPEG(const JPEG&) = delete;
    JPEG& operator=(const JPEG&) = delete;

    bool isOpen() const { return decoder_ != nullptr; }
    int getWidth() const { return width_; }
    int getHeight() const { return height_; }

    // A new[] plane of width x height pixels: 5-5-5 when bpp is 15, else 5-6-5, each channel's top
    // bits kept. Null when the picture is not open or its data cannot be decoded. Decodes once:
    // the decoder is gone afterwards.
    uint8_t* decompress(int bpp);

    // Pictures with more pixels than this are refused.
    static constexpr int64_t MAX_PIXELS = 64 * 1024 * 1024;

private:
    struct Decoder;

    void open(const uint8_t* data, size_t length);

    std::unique_ptr<CFileBytes> fileBytes_;
    std::unique_ptr<Decoder> decoder_;
    int width_ = 0;
    int height_ = 0;
};
