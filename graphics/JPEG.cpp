#include "graphics/JPEG.h"

#include "foundation/CFile.h"
#include "foundation/CFileBytes.h"

#include <csetjmp>
#include <cstdio>
#include <new>
#include <jpeglib.h>

namespace {

// Progressive streams may hold any number of scans; each one walks the whole picture again.
constexpr int kMaxScans = 256;

struct ErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf jump;
};

[[noreturn]] void returnToCaller(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (such as data ending early) are not shown: the picture decodes as far as it can.
void keepQuiet(j_common_ptr, int)
{
}

void limitScans(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        returnToCaller(info);
}

uint16_t to555(uint16_t pixel)
{
    return static_cast<uint16_t>(((pixel >> 1) & 0xFFE0) | (pixel & 0x001F));
}

} // namespace

// The decoder's state lives at a fixed address: the library keeps pointers into it.
struct JPEG::Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};

    Decoder()
    {
        info.err = jpeg_std_error(&errors.standard);
        errors.standard.error_exit = returnToCaller;
        errors.standard.emit_message = keepQuiet;
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }

    // Header and output format; false when the stream is no usable JPEG.
    bool readHead(const uint8_t* data, size_t length)
    {
        if (setjmp(errors.jump) != 0)
            return false;
        jpeg_create_decompress(&info);
        progress.progress_monitor = limitScans;
        info.progress = &progress;
        jpeg_mem_src(&info, data, static_cast<unsigned long>(length));
        jpeg_read_header(&info, TRUE);
        // The library packs 5-6-5 itself when it is asked not to dither.
        info.out_color_space = JCS_RGB565;
        info.dither_mode = JDITHER_NONE;
        jpeg_calc_output_dimensions(&info);
        return int64_t(info.output_width) * int64_t(info.output_height) <= MAX_PIXELS;
    }

    bool readPixels(uint16_t* pixels)
    {
        if (setjmp(errors.jump) != 0)
            return false;
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            JSAMPROW rows[4];
            JDIMENSION first = info.output_scanline;
            JDIMENSION count = 0;
            for (; count < 4 && first + count < info.output_height; ++count)
                rows[count] = reinterpret_cast<JSAMPROW>(pixels + size_t(first + count) * info.output_width);
            jpeg_read_scanlines(&info, rows, count);
        }
        jpeg_finish_decompress(&info);
        return true;
    }
};

JPEG::JPEG(const uint8_t* data, size_t length)
{
    open(data, length);
}

JPEG::JPEG(const CXString& path)
{
    CFile file(nullptr, path, CFile::READ | CFile::BINARY);
    fileBytes_ = std::make_unique<CFileBytes>(&file);
    open(fileBytes_->data(), fileBytes_->size());
}

JPEG::~JPEG() = default;

void JPEG::open(const uint8_t* data, size_t length)
{
    if (data == nullptr || length == 0)
        return;
    auto decoder = std::make_unique<Decoder>();
    if (!decoder->readHead(data, length))
        return;
    width_ = int(decoder->info.output_width);
    height_ = int(decoder->info.output_height);
    decoder_ = std::move(decoder);
}

uint8_t* JPEG::decompress(int bpp)
{
    if (!decoder_)
        return nullptr;
    size_t count = size_t(width_) * size_t(height_);
    std::unique_ptr<uint8_t[]> plane(new (std::nothrow) uint8_t[count * 2]);
    auto* pixels = reinterpret_cast<uint16_t*>(plane.get());
    bool decoded = plane != nullptr && decoder_->readPixels(pixels);
    decoder_.reset();
    if (!decoded)
        return nullptr;
    if (bpp == 15) {
        for (size_t i = 0; i < count; ++i)
            pixels[i] = to555(pixels[i]);
    }
    return plane.release();
}
