#pragma once

#include "graphics/CGraphicsObject.h"
#include "graphics/CPlayable.h"

class CMElement;

// A still picture from an image file or a JPEG: a graphics object that is also a playable, so
// that scripts and sequences show and hide it like any medium. Hidden with release-after-use it
// frees its pixels and loads them again when shown.
class CImage : public CGraphicsObject, public CPlayable {
public:
    explicit CImage(CWindow* window);
    // Loads the picture; the load's error code stays in the object.
    CImage(CWindow* window, const CXString& name);
    // A view of another object's planes, with a fresh playable part.
    CImage(CWindow* window, CGraphicsObject* picture);
    CImage(const CImage& other);
    CImage& operator=(const CImage&) = delete;
    // From a definition element: "FILENAME", "PRELOAD", "VISIBLE", "RELEASEAFTERUSE".
    CImage(CWindow* window, CMElement* element);

    // A view of this picture.
    CXObject* clone() const override;

    using CFileResolver::getFileName;
    using CGraphicsObject::getWindow;
    using CGraphicsObject::Load;

    // By name: an image file when the name ends with ".img" (any letter case), else a JPEG.
    // The error code: 0, CFile::NOT_FOUND, or CImageReader::DAMAGED for a file that is not a
    // whole picture. On success the picture is visible and loaded; `convert` brings its planes
    // to the display's format.
    virtual int Load(const CXString& name, bool convert);
    // A JPEG file by its full path, in the display's format.
    virtual int load(const CXString& path);
    // An image file of any head, from the file's position.
    int Load(CFile* file) override;
    // An "NVI" image from the file's position.
    virtual int Load3(CFile* file);
    // Frees the pixels; the picture is no longer loaded.
    virtual void flush();

    // ---- playable: a picture has nothing to play ------------------------------------------
    void play() override {}
    void stop(bool notify) override {}
    void pause() override {}
    void resume() override {}
    void seek(int position) override {}
    // Loads the picture first when it is not loaded and has a file name.
    void show() override;
    // Frees the pixels first when they are to be released after use.
    void hide() override;
    void setVisibility(bool visible) override;
    bool isVisible() const override { return CGraphicsObject::isVisible(); }
    void setPosition(int x, int y) override { CGraphicsObject::setPosition(x, y); }
    void setPosition(CXPoint p) override { CGraphicsObject::setPosition(p); }

private:
    // The planes once a load succeeded: visible and loaded under that name.
    void loaded(const CXString& name);
};
