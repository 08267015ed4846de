#pragma once

#include "foundation/CXObject.h"
#include "graphics/CGraphicsObject.h"

// What CImageFile made of a file.
enum _filetype : int { FILETYPE_NONE = 0, FILETYPE_IMAGE = 1, FILETYPE_PSD = 4, FILETYPE_ANIMATION = 5 };

// Picks the class for a picture file by its extension, letter case ignored: "img" and "jpg"
// make an image, "psd" a layered document, "ann" an animation. The object made by the last Load
// or Save is the caller's.
class CImageFile : public CXObject {
public:
    explicit CImageFile(CWindow* window) : window_(window) {}

    // Makes and loads the object for the file; FILETYPE_NONE (and nothing made) for any other
    // extension.
    _filetype Load(const CXString& name);
    // "img": an image view of the object is saved (and kept as the current object); "ann": the
    // object saves itself.
    _filetype Save(CGraphicsObject* object, const CXString& name, _compression code);

    CGraphicsObject* GetGraphicsObject() const { return object_; }

private:
    CWindow* window_;
    CGraphicsObject* object_ = nullptr;
};
