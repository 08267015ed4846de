#include "graphics/CImageFile.h"

#include "foundation/CFileNameResolver.h"
#include "graphics/CAnimo.h"
#include "graphics/CImage.h"
#include "graphics/CPSD.h"

namespace {

CXString extensionOf(const CXString& name)
{
    CXString extension = CFileNameResolver(name).getExtension();
    return extension.Lower();
}

} // namespace

_filetype CImageFile::Load(const CXString& name)
{
    CXString extension = extensionOf(name);
    if (extension == "img" || extension == "jpg") {
        object_ = new CImage(window_, name);
        return FILETYPE_IMAGE;
    }
    if (extension == "psd") {
        object_ = new CPSD(window_, name);
        return FILETYPE_PSD;
    }
    if (extension == "ann") {
        object_ = new CAnimo(window_, name);
        return FILETYPE_ANIMATION;
    }
    return FILETYPE_NONE;
}

_filetype CImageFile::Save(CGraphicsObject* object, const CXString& name, _compression code)
{
    CXString extension = extensionOf(name);
    if (extension == "img") {
        object_ = new CImage(window_, object);
        object_->Save(name, code);
        return FILETYPE_IMAGE;
    }
    if (extension == "ann") {
        object->Save(name, code);
        return FILETYPE_ANIMATION;
    }
    return FILETYPE_NONE;
}
