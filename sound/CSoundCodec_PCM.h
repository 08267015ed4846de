#pragma once

#include "sound/CSoundCodec.h"

// Plain PCM: the format record from the "fmt " chunk and the bytes of the "data" chunk as they
// stand (no more of them than the file holds).
class CSoundCodec_PCM : public CSoundCodec {
public:
    void decode(CFile* file) override;
};
