#include "WaveWriter.h"

#include "foundation/CFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

void put32(std::vector<uint8_t>& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(uint8_t(value >> shift));
}

void put16(std::vector<uint8_t>& bytes, uint16_t value)
{
    bytes.push_back(uint8_t(value));
    bytes.push_back(uint8_t(value >> 8));
}

void putTag(std::vector<uint8_t>& bytes, const char* tag)
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

} // namespace

bool WaveWriter::write(const std::string& path, const std::vector<float>& samples, int rate)
{
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBytesPerSample = 2;
    const auto dataSize = uint32_t(samples.size() * kBytesPerSample);
    std::vector<uint8_t> bytes;
    putTag(bytes, "RIFF");
    put32(bytes, 36 + dataSize);
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    put32(bytes, 16);
    put16(bytes, 1); // plain PCM
    put16(bytes, kChannels);
    put32(bytes, uint32_t(rate));
    put32(bytes, uint32_t(rate) * kChannels * kBytesPerSample);
    put16(bytes, kChannels * kBytesPerSample);
    put16(bytes, 16);
    putTag(bytes, "data");
    put32(bytes, dataSize);
    for (float sample : samples)
        put16(bytes, uint16_t(int16_t(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f))));
    CFile file(nullptr, path.c_str(), CFile::BINARY);
    return file.LastError() == 0 && file.Write(bytes.data(), int(bytes.size())) == int(bytes.size()) && file.Close() == 0;
}
