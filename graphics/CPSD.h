#pragma once

#include "graphics/CGraphicsObject.h"
#include "graphics/CPSDLayer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A layered PSD document (version 1, RGB, 8 bits a channel; see CPSDReader): one graphics object
// a layer, placed where the layer lies, in the display's 16-bit format. One layer at a time is
// the current one, the picture users draw; the document's own planes stay empty.
class CPSD : public CGraphicsObject {
public:
    explicit CPSD(CWindow* window);
    // Both empty: a document is only ever read from a file.
    CPSD(CWindow* window, CGraphicsObject* picture);
    CPSD(const CPSD& other);
    CPSD& operator=(const CPSD&) = delete;
    // Loads the file; the error code stays in the object.
    CPSD(CWindow* window, const CXString& name);
    ~CPSD() override;

    using CGraphicsObject::SetPosition;

    // The file by name: 0, CFile::NOT_FOUND, or CPSDReader::DAMAGED for a file that is not such
    // a document. The document is visible afterwards.
    int Load(const CXString& name) override;
    // The rest of an open file.
    int Load(CFile* file) override;
    // A document in memory. The layers held before go; the first layer is selected.
    int Load(const uint8_t* data, size_t size);

    // An index outside the layers leaves the selection as it was.
    void SelectLayer(int index);
    // The first layer of exactly that name; no match leaves the selection as it was.
    void SelectLayer(const CXString& name);
    int GetSelLayer() const { return selected_; }
    int GetLayerNo() const { return int(layers_.size()); }
    // The selected layer's picture; null without layers.
    CGraphicsObject* GetCurrentLayer() const { return current_; }
    // -1 names the selected layer; "" for a layer without a name or outside the layers.
    CXString GetLayerName(int index) const;
    // The selected layer's rectangle in the document.
    CXRect GetLayerRect() const;

    // The document and its current layer stand at the point; the selected layer's rectangle moves
    // there too, by each coordinate that is not negative, keeping its size.
    void SetPosition(int x, int y) override;

private:
    void dropLayers();

    std::vector<std::unique_ptr<CPSDLayer>> layers_;
    int selected_ = 0;
    CGraphicsObject* current_ = nullptr;
};
