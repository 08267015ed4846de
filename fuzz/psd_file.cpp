// Layered PSD documents from hostile bytes: a document that reads must hold whole planes in
// every layer; one that does not must hold no layers.
#include "graphics/CPSD.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CPSD document(nullptr);
    if (document.Load(data, size) != 0) {
        if (document.GetLayerNo() != 0 || document.GetCurrentLayer() != nullptr)
            std::abort();
        return 0;
    }
    for (int i = 0; i < document.GetLayerNo(); ++i) {
        document.SelectLayer(i);
        CGraphicsObject* layer = document.GetCurrentLayer();
        size_t pixels = size_t(layer->Width()) * size_t(layer->Height());
        if (pixels == 0 || layer->GetDataPtr() == nullptr)
            continue;
        (void)layer->GetDataPtr()[pixels * 2 - 1];
        if (layer->GetChannelAlpha() != nullptr)
            (void)layer->GetChannelAlpha()[pixels - 1];
    }
    return 0;
}
