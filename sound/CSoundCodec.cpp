#include "sound/CSoundCodec.h"

#include "foundation/CDataBuffer.h"
#include "sound/CSoundCodec_ADPCM.h"
#include "sound/CSoundCodec_PCM.h"

CSoundCodec** CSoundCodec::codecs = nullptr;

CSoundCodec::CSoundCodec() = default;

CSoundCodec::~CSoundCodec() = default;

void CSoundCodec::flush()
{
    data_.reset();
}

void CSoundCodec::init_codecs()
{
    if (codecs != nullptr)
        return;
    codecs = new CSoundCodec*[TAGS]{nullptr, new CSoundCodec_PCM(), new CSoundCodec_ADPCM()};
}

void CSoundCodec::done_codecs()
{
    if (codecs == nullptr)
        return;
    for (int tag = 0; tag < TAGS; ++tag)
        delete codecs[tag];
    delete[] codecs;
    codecs = nullptr;
}

CSoundCodec* CSoundCodec::getCodec(int tag)
{
    return codecs != nullptr && tag >= 0 && tag < TAGS ? codecs[tag] : nullptr;
}
