// Animation files of every generation from hostile bytes: an animation that reads must hold
// whole frames, also once packed ones are unpacked, and must step through its events.
#include "graphics/CAnimo.h"
#include "graphics/CAnimoReader.h"
#include "graphics/CFrame.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CAnimo animo(nullptr);
    if (CAnimoReader::read(animo, data, size) != 0)
        return 0;
    for (int f = 0; f < animo.GetNOF(); ++f) {
        CFrame* frame = animo.GetFrame(f);
        if (!frame->DeCompressRLE2())
            std::abort();
        size_t pixels = size_t(frame->Width()) * size_t(frame->Size().cy);
        if (pixels > 0)
            (void)frame->GetDataPtr()[pixels * size_t(frame->GetPixelSize()) - 1];
    }
    for (int e = 0; e < animo.GetNOE(); ++e) {
        animo.Play(e, 0, 0);
        for (int step = 0; step < 4; ++step)
            animo.Next();
    }
    return 0;
}
