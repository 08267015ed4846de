#include "sound/CRiffReader.h"

#include "foundation/CFile.h"
#include "foundation/LittleEndian.h"

#include <algorithm>
#include <cstring>

CRiffReader::CRiffReader(CFile* file, int start, int end)
    : file_(file), start_(start), end_(std::max(start, end)), position_(start)
{
}

bool CRiffReader::readAt(int offset, void* bytes, int count)
{
    if (offset < start_ || count > end_ - offset || file_->Seek(offset, 0) != 0)
        return false;
    if (file_->Read(bytes, count) != count)
        return false;
    position_ = offset + count;
    return true;
}

bool CRiffReader::readHead()
{
    uint8_t head[12];
    return readAt(start_, head, 12) && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0;
}

bool CRiffReader::findChunk(const char* name, uint32_t& size)
{
    uint8_t head[8];
    while (readAt(position_, head, 8)) {
        const uint32_t declared = foundation::loadLE32(head + 4);
        const uint32_t available = static_cast<uint32_t>(end_ - position_);
        if (std::memcmp(head, name, 4) == 0) {
            size = std::min(declared, available);
            return true;
        }
        if (declared >= available)
            return false;
        position_ += static_cast<int>(declared);
    }
    return false;
}

bool CRiffReader::readFormat(WAVEFORMATEX& format)
{
    uint32_t size = 0;
    if (!readHead() || !findChunk("fmt ", size))
        return false;
    const int chunkStart = position_;
    const int count = static_cast<int>(std::min<uint32_t>(size, WAVEFORMATEX::SIZE));
    uint8_t record[WAVEFORMATEX::SIZE];
    if (!readAt(chunkStart, record, count))
        return false;
    format = WAVEFORMATEX::fromBytes(record, count);
    position_ = chunkStart + static_cast<int>(size);
    return true;
}
