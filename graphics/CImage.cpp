#include "graphics/CImage.h"

#include "foundation/CFile.h"
#include "foundation/CMElement.h"
#include "graphics/CImageReader.h"
#include "graphics/CWindow.h"
#include "graphics/JPEG.h"

CImage::CImage(CWindow* window) : CGraphicsObject(window), CPlayable(window)
{
}

CImage::CImage(CWindow* window, const CXString& name) : CGraphicsObject(window), CPlayable(window)
{
    setFilename(name);
    Load(name, true);
}

CImage::CImage(CWindow* window, CGraphicsObject* picture) : CGraphicsObject(window, *picture), CPlayable(window)
{
    setFileName("");
}

CImage::CImage(const CImage& other) : CImage(other.CGraphicsObject::getWindow(), const_cast<CImage*>(&other))
{
}

CImage::CImage(CWindow* window, CMElement* element) : CGraphicsObject(window), CPlayable(window)
{
    CXString name = element->getPropertyValue("FILENAME");
    setFilename(name);
    if (!name.IsString())
        return;
    if (!element->isPropertyAvailable("PRELOAD") || element->getPropertyBoolValue("PRELOAD"))
        Load(name, true);
    if (element->getPropertyBoolValue("VISIBLE"))
        show();
    else
        hide();
    toRelease(element->getPropertyBoolValue("RELEASEAFTERUSE"));
}

CXObject* CImage::clone() const
{
    return new CImage(*this);
}

int CImage::Load(const CXString& name, bool convert)
{
    Invalidate();
    flush();
    if (name.Right(name.getLength() - 4).equalsIgnoreCase(".IMG")) {
        CFile file;
        if (file.Open(getWindow(), name, CFile::READ | CFile::BINARY) != 0) {
            setErrorCode(CFile::NOT_FOUND);
        } else {
            int error = Load(&file);
            int closed = file.Close();
            setErrorCode(error != 0 ? error : closed);
        }
    } else {
        load(CFile::getPath(getWindow(), name));
    }
    if (LastError() == 0) {
        loaded(name);
        setFileName(name);
        if (convert)
            CGraphicsObject::Load(name);
    }
    // Loaded or not, the planes changed: the screen and whoever shows them hear it.
    Invalidate();
    return LastError();
}

void CImage::loaded(const CXString& name)
{
    Visible(true);
    setFilename(name);
    CFileResolver::load();
}

int CImage::load(const CXString& path)
{
    SetCompression(COMPRESSION_NONE);
    // The display draws 5-6-5 unless it was refused and fell back to 5-5-5.
    int bpp = getWindow() != nullptr && getWindow()->GetBpp() == 15 ? 15 : 16;
    JPEG jpeg(path);
    uint8_t* plane = jpeg.decompress(bpp);
    CXSize size = plane != nullptr ? CXSize(jpeg.getWidth(), jpeg.getHeight()) : CXSize();
    packing().receive(size, bpp, COMPRESSION_NONE, plane, size.mul() * 2, nullptr, 0);
    if (plane != nullptr)
        setErrorCode(0);
    else
        setErrorCode(path.IsString() ? CImageReader::DAMAGED : CFile::NOT_FOUND);
    return LastError();
}

int CImage::Load(CFile* file)
{
    setErrorCode(CImageReader::read(*this, file));
    return CGraphicsObject::Load(file);
}

int CImage::Load3(CFile* file)
{
    setErrorCode(CImageReader::readNvi(*this, file));
    return CGraphicsObject::Load(file);
}

void CImage::flush()
{
    Flush();
    release();
}

void CImage::show()
{
    if (!isLoaded() && getFileName().IsString())
        Load(getFileName(), true);
    Visible(true);
}

void CImage::hide()
{
    if (releaseAfterUse())
        flush();
    Visible(false);
}

void CImage::setVisibility(bool visible)
{
    if (visible)
        show();
    else
        hide();
}
