#pragma once

#include "sound/CSoundCodec.h"

class CWindow;

// Compressed WAVE files (MS-ADPCM and what else the outside decoder reads), decoded whole to
// 16-bit PCM at the decoder's rate and channel count. The decoder is bound by each application
// object's start and let go at its end; a decode while none is bound binds it first.
class CSoundCodec_ADPCM : public CSoundCodec {
public:
    void decode(CFile* file) override;

    // Binds the process's sound decoder (platform::soundDecoder()).
    static void initialize(CWindow* window);
    static void done();

private:
    static bool bound;
};
