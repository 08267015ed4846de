#include "sound/CSoundCodec_PCM.h"

#include "foundation/CDataBuffer.h"
#include "foundation/CFile.h"
#include "sound/CRiffReader.h"

void CSoundCodec_PCM::decode(CFile* file)
{
    flush();
    format_ = WAVEFORMATEX();
    CRiffReader riff(file, 0, file->Length());
    uint32_t size = 0;
    if (!riff.readFormat(format_) || !riff.findChunk("data", size) || size > MAX_BYTES)
        return;
    auto data = std::make_unique<CDataBuffer>(static_cast<int>(size), 1);
    if (data->LastError() != 0 || file->Read(data->getData(), static_cast<int>(size)) != static_cast<int>(size))
        return;
    data_ = std::move(data);
}
