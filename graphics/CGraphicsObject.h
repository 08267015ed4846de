#pragma once

#include "foundation/CSizedObject.h"
#include "foundation/CXObject.h"
#include "foundation/CXRect.h"
#include "foundation/CXString.h"
#include "graphics/CInvalidateObserver.h"
#include "graphics/CPackedPlanes.h"

#include <cstdint>
#include <memory>

class CAlphaStamp;
class CColor;
class CDataBuffer2Dim;
class CFile;
class CValidationQuene;
class CWindow;
class CXArray;
struct _canvas;

// How the planes of a graphics object are held: 0 raw; 2, 3, 4, 5 packed forms.
enum _compression : int {
    COMPRESSION_NONE = 0,
    COMPRESSION_OLD = 1,
    COMPRESSION_LZW = 2,
    COMPRESSION_LZW_RLE = 3,
    COMPRESSION_RLE = 4,
    COMPRESSION_JPEG = 5,
};

// A plane of a graphics object: the alpha plane or one of the separate 8-bit colour planes.
enum _channel : int { CHANNEL_ALPHA = -1, CHANNEL_RED = 0, CHANNEL_GREEN = 1, CHANNEL_BLUE = 2 };

// One span of a flood-filled region: `length` pixels of row `row` from column `left`.
struct _floodfill {
    int16_t left;
    int16_t row;
    int16_t length;
};

// The pixel buffer at the root of everything drawn: one colour plane (15, 16, 24 or 32 bits a
// pixel, rows without gaps), an optional 8-bit alpha plane (0 transparent, 255 opaque), a position
// on its target, an anchor, a clipping rectangle, a viewport, an opacity and a visibility. It may
// stand on a screen, carry sub-objects drawn onto it, and tell observers the parts that change.
//
// Positions arrive from scripts: coordinate arithmetic wraps at 32 bits.
class CGraphicsObject : public CXObject, public CInvalidateObserver, public CSizedObject {
public:
    explicit CGraphicsObject(CWindow* window);
    // A colour plane of the size (uninitialised pixels), no alpha plane.
    CGraphicsObject(CWindow* window, CXSize size, int bpp);
    // Takes the given colour plane (allocated with new[]) and owns it.
    CGraphicsObject(CWindow* window, CXSize size, int bpp, uint8_t* data);
    // A view of another object's planes and settings; it never frees the planes, so the other
    // object must outlive it.
    CGraphicsObject(CWindow* window, CGraphicsObject& other);
    CGraphicsObject(const CGraphicsObject&) = delete;
    CGraphicsObject& operator=(const CGraphicsObject&) = delete;
    // Leaves its screen, drops out of its sub-objects' observers, tells its own observers.
    ~CGraphicsObject() override;

    // A view of this object (see the view constructor).
    CXObject* clone() const override;

    virtual int getGfxType();
    virtual void setMonitorCollisions(bool monitor);
    virtual bool getMonitorCollisionsFlag();
    virtual void SetOpacity(unsigned char opacity);
    virtual uint8_t* GetDataPtr();
    // Outside the bounding box false; inside true unless there is an alpha plane, boxOnly is
    // false and the alpha there is 0.
    virtual bool testHit(CXPoint point, bool boxOnly);
    virtual CXPoint getCenterPoint();

    // Every form stores the point minus the anchor; nothing is invalidated.
    virtual void setPosition(int x, int y);
    virtual void setPosition(CXPoint p);
    virtual void SetPosition(CXPoint p);
    virtual void SetPosition(int x, int y);
    // Moves by the amounts and invalidates the old and the new box on the screen.
    virtual void Move(CXPoint delta);
    virtual void Move(int dx, int dy);
    virtual void setAnchor(int x, int y);
    virtual void setAnchor(CXPoint anchor);
    virtual CXPoint getAnchor();

    // Needs a window; the area is invalidated either way.
    virtual void Visible(bool visible);
    virtual void Flush();
    virtual int GetPixelSize();
    // A byte of the alpha plane (CHANNEL_ALPHA) or of a separate colour plane at x + y × width;
    // 0 outside the plane.
    virtual int GetPixel(_channel channel, CXPoint p);
    // The colour at a pixel: models 6 and 7 for 15 and 16 bits, 4 for 24 bits; black outside the
    // picture. A run-length-packed picture is read through planes unpacked for the read.
    virtual CColor GetPixel(CXPoint p);
    virtual CColor GetPixel(int x, int y);
    // Rows reversed (upside down); FlipV reverses each row (mirror image). 16-bit pixels.
    virtual void FlipH();
    virtual void FlipV();
    virtual void resetFlips();
    // Every pixel of a 15-, 16- or 32-bit plane.
    virtual void Fill(CColor* color);
    // The part of the rectangle within the picture, 15 and 16 bits.
    virtual void Fill(CXRect rect, CColor* color);
    // Every 16-bit pixel equal to `from` becomes `to`.
    virtual void replace_color(short from, short to);

    // Alpha stamping: the stamp's alpha plane is copied into this picture's at `at` (pixel
    // coordinates, clipped to the picture), after the bytes the stamp covered the last time are
    // put back; the stamp keeps the bytes it covers now. A point at or past the right or bottom
    // edge only puts the last bytes back. Nothing without an alpha plane here.
    virtual void mergeAlpha(CXPoint at, CGraphicsObject* stamp);
    // Puts back the bytes the stamp covered here the last time.
    virtual void restoreAlpha(CGraphicsObject* stamp);
    // Every alpha byte here that is not 0 takes the stamp's alpha byte over the stamp's bounding
    // box, placed at `at` and clipped to the picture; with `reset` the whole plane is 255 first.
    // Nothing is kept for putting back.
    virtual void mergeAlpha2(CXPoint at, CGraphicsObject* stamp, bool reset);

    // Draws this object onto the target at its position (see CPixelLoops for the pixels); a
    // run-length-packed picture is unpacked around the draw and left packed.
    virtual void redraw(CGraphicsObject* target);
    // A composite picture: the backup back, the sub-objects onto it, then this onto the destiny.
    virtual void Redraw();

    // The base loads nothing: the planes are converted to the display's format and the error code
    // returned. Subclasses read files.
    virtual int Load(const CXString& name);
    virtual int Load(CFile* file);
    // The object as an image file (see CImageWriter); a file that does not open is skipped.
    virtual void Save(const CXString& name, _compression code);
    virtual void Save(CFile* file, _compression code);

    // Packing by compression code (see CPackedPlanes).
    virtual void pack(bool freeUnpacked);
    virtual void unpack();
    // False when packed data does not unpack to the picture.
    virtual bool DeCompress();
    virtual bool DeCompressRLE2();
    virtual void bringBackCompressed();
    void Compress(_compression code);
    CPackedPlanes& packing() { return packing_; }

    virtual int Width();
    virtual int Height();
    virtual CXSize Size();
    // The two numbers only; the planes stay as they are.
    virtual void setSize(CXSize size);
    virtual CXPoint getPosition();
    virtual CXPoint GetPosition();
    virtual CXRect getRect();
    int getWidth() override;
    int getHeight() override;
    // The box on the target: left and top at least 0, right and bottom within the destiny, and
    // within the clipping rectangle when there is one.
    virtual CXRect GetBoundingBox();
    virtual CXRect GetAbsoluteBoundingBox();
    // True when at least `percent` of the bounding box lies in the rectangle.
    virtual bool isNear(CXRect rect, int percent);
    virtual bool isNear(CGraphicsObject* other, int percent);
    virtual CXPoint ClientCoords(CXPoint p);
    virtual void SetClippingRect(CXRect rect);
    // The part of the bounding box inside `rect` (target coordinates) goes to the screen and the
    // observers; a part of nothing does nothing.
    virtual void Invalidate(CXRect* rect);
    virtual void Invalidate();
    virtual void addInvalidateObserver(CInvalidateObserver* observer);
    virtual void removeInvalidateObserver(CInvalidateObserver* observer);
    virtual void notifyInvalidate(CXRect* rect);
    // The object actually drawn (this one in the base).
    virtual CGraphicsObject* getDrawn();

    // A changed sub-object invalidates the same rectangle here.
    void onInvalidate(CGraphicsObject* object, CXRect* rect) override;
    // Forgets the object as an observer and as a sub-object.
    void onDestroy(CGraphicsObject* object) override;

    // Fresh planes: a colour plane of the size and format and an alpha plane.
    void alloc(CXSize size, int bpp, bool unused);
    // Frees the planes it owns and shows the other object's planes from then on, as a view does:
    // their size, format and packing with them, its own position and settings kept.
    void viewPlanesOf(CGraphicsObject& other);
    // A fresh colour plane of the current data size.
    void Alloc();

    // Converts the colour plane to another format (see CPixelFormat); 15 goes to 16 for the wide
    // formats, which are never produced. Planes under 4 pixels are left alone.
    void Convert(int bpp);
    // 24-bit plane → three 8-bit planes; JoinChannels goes back to the format the object had.
    void Split();
    void JoinChannels();
    // A new buffer of four bytes a pixel: the 24-bit pixel and its alpha byte.
    uint8_t* Join2Channels();
    // 24-bit colour and alpha planes from such a buffer.
    void SplitOn2(const uint8_t* buffer, int count);
    // Every 15- or 16-bit pixel becomes the grey of its channels' mean.
    void ToGrayScale();
    // Stores a colour at a pixel of a 15- or 16-bit plane.
    void SetPixel(int x, int y, CColor color);
    void SetPixel(CXPoint p, CColor color);
    // Mixes a pixel of the object's format into the plane at x + y × pitch with weight alpha of
    // 255; `replace` mixes with black instead of the old pixel.
    void putPixel(int x, int y, short color, int alpha, bool replace);

    // ---- pixel operations on raw 15- and 16-bit planes (CGraphicsObjectPixels.cpp) ----------
    // Finds the 4-connected region around `start` (kept inside the picture) of pixels that are not
    // 0 here and not yet the colour in the 16-bit `mark` plane of this picture's size, records it
    // as spans in `spans` (at most `capacity`; the fill stops when they are full) and paints them
    // into `mark`. The seed's own span is recorded even when the seed is marked already. The
    // result is (smallest left, smallest row, largest span end, largest row).
    CXRect PrepareFloodFill(CXPoint start, CColor color, char* mark, _floodfill* spans, int capacity);
    // Writes the colour into the 16-bit `plane` of this picture's size over the spans recorded
    // last; the number of spans written.
    int FloodFill(CColor color, char* plane);
    _floodfill* getFFArray() const { return ffArray_; }
    int getFFCount() const { return ffCount_; }
    // 15 bits only: every channel becomes its complement.
    void InvertColors();
    // `thickness` rows and columns along each edge take the colour, and alpha 255 when there is
    // an alpha plane.
    void outline(unsigned short color, int thickness);
    // Nearest neighbour to width × sx by height × sy (truncated), both planes; the pitch follows
    // the new width. Factors that are not positive, or a picture beyond 2 GB, change nothing.
    void Scale(double sx, double sy);
    // Every second pixel of every second row.
    void Scale2x();
    // Centres the object in the rectangle, or in the other object's bounding box.
    void FitRect(CXRect rect);
    void FitObject(CGraphicsObject* object);
    // This object takes its own copy of the other's pixels (a run-length packed source is unpacked
    // for the copy), with its window, target, format, clipping and position; only the clipping
    // rectangle (kept within the picture) when there is one, the clipping then cleared.
    void Copy(CGraphicsObject* source);
    // The part of the other object inside the rectangle (kept within its picture), placed at the
    // rectangle's corner; an empty rectangle copies all.
    void Copy(CGraphicsObject* source, CXRect rect);
    // A new colour plane (and with `withAlpha` a new alpha plane) in which each pixel takes the
    // old pixel at its own index moved by its offset (row × width + column); an index outside the
    // picture keeps the old pixel. With `freeOld` the replaced planes are freed, otherwise they
    // stay the caller's. `offsets` holds one point a pixel.
    void displacementFilter(CXPoint* offsets, bool withAlpha, bool freeOld);
    // New raw 15- or 16-bit planes (allocated with new[]) of the size in place of the object's
    // own, which are freed: the colour plane, and the alpha plane, none when null. False for a view
    // or another format, which takes nothing: the caller keeps the planes.
    bool takePlanes(uint8_t* colour, uint8_t* alpha, CXSize size);

    // Sub-objects, drawn onto this one in priority order by Redraw.
    void addObject(CGraphicsObject* object, int priority);
    void removeObject(CGraphicsObject* object);
    void removeAllObjects();
    void restoreImage();
    void SetDestiny(CGraphicsObject* destiny) { destiny_ = destiny; }
    CGraphicsObject* GetDestiny() const { return destiny_; }

    // The screen this object stands on; set by the screen itself.
    void SetCanvas(CGraphicsObject* screen) { screen_ = screen; }
    CGraphicsObject* GetCanvas() const { return screen_; }

    bool isAt(CXPoint p, bool useAlpha);
    bool isInside(int x, int y, bool useAlpha);
    CXPoint toLocalAxis(CXPoint p);
    // Keeps only the part of the picture inside the rectangle; the position stays.
    void crop(CXRect rect);

    void Show() { Visible(true); }
    void Hide() { Visible(false); }
    bool isVisible() const { return visible_; }
    unsigned char GetOpacity() const { return opacity_; }
    // Adds a signed amount, kept within 0 to 255.
    void AddOpacity(short delta);
    // Tells whether the object was invalidated since the last call, and forgets it.
    bool isInvalidated();

    CWindow* getWindow() const { return window_; }
    const CXString& getFileName() const { return fileName_; }
    void setFileName(const CXString& name) { fileName_ = name; }
    int GetPitch() const { return pitch_; }
    void SetPitch(int pitch) { pitch_ = pitch; }
    void SetDataPtr(uint8_t* data) { data_ = data; }
    int GetBpp() const { return bpp_; }
    void SetBpp(int bpp) { bpp_ = bpp; }
    int GetDataSize() const { return dataSize_; }
    int GetFlags() const { return flags_; }
    void SetFlags(int flags) { flags_ = flags; }
    bool GetAutoClip() const { return autoClip_; }
    void SetAutoClip(bool autoClip) { autoClip_ = autoClip; }
    CXRect GetClippingRect() const { return clip_; }
    CXRect GetViewport() const { return viewport_; }
    void SetViewport(CXRect rect) { viewport_ = rect; }
    void SetViewport(int left, int top, int right, int bottom) { viewport_ = CXRect(left, top, right, bottom); }
    bool isFlippedRows() const { return flippedRows_; }
    bool isFlippedColumns() const { return flippedColumns_; }
    int GetChannelSize(int index) const { return index >= 0 && index < 4 ? channelSize_[index] : 0; }
    void SetChannelSize(int index, int size);
    uint8_t* GetChannelRed() const { return red_; }
    uint8_t* GetChannelGreen() const { return green_; }
    uint8_t* GetChannelBlue() const { return blue_; }
    uint8_t* GetChannelAlpha() const { return alpha_; }
    uint8_t*& RedChannel() { return red_; }
    uint8_t*& GreenChannel() { return green_; }
    uint8_t*& BlueChannel() { return blue_; }
    uint8_t*& AlphaChannel() { return alpha_; }
    bool isAlphaAsMask() const { return alphaAsMask_; }
    void setAlphaAsMask(bool mask) { alphaAsMask_ = mask; }
    bool ownsData() const { return ownsData_; }
    _compression GetCompression() const { return compression_; }
    void SetCompression(_compression code) { compression_ = code; }

protected:
    // Whether Flush frees the planes (not for views, nor for pixels another owner keeps).
    void setOwnsData(bool owns) { ownsData_ = owns; }
    // Frees a plane this object owns and clears the pointer.
    void freePlane(uint8_t*& plane);
    // Size, pitch and data size from the size and format; the planes are not touched.
    void setGeometry(CXSize size, int bpp);
    // The object as one side of a drawing operation.
    _canvas asCanvas();
    // A monitored object tells its window's collision inspector that it moved.
    void reportPositionChange();
    // Marks the object changed for the screen's next pass, as every invalidation does.
    void markInvalidated() { invalidated_ = true; }

private:
    friend class CPackedPlanes;

    void initialize(CWindow* window);
    bool hasRawPlane() const { return data_ != nullptr && compression_ == COMPRESSION_NONE; }
    // A raw plane of 2-byte pixels.
    bool hasRaw16BitPlane() const { return hasRawPlane() && (bpp_ == 15 || bpp_ == 16); }
    // A new plane of the bytes (nothrow); null for a negative size or one beyond 2 GB.
    static uint8_t* newPlane(int64_t bytes);
    // A new plane holding the rows and columns of `part` of a plane of `width` pixels.
    static uint8_t* copyPart(const uint8_t* plane, int width, const CXRect& part, int pixelSize);
    // New planes of width × height made from the old ones by a column map and a row map: pixel
    // (j, i) is the old pixel (columns[j], rows[i]).
    void resample(const int* columns, int width, const int* rows, int height);
    // Frees this object's planes and takes a copy of the part of the other's picture inside the
    // rectangle, with its window, target, format and auto clip; the part copied.
    CXRect copyPartOf(CGraphicsObject& source, const CXRect& rect);
    int pixelCount() const;
    // The byte of a one-byte plane at a point in the object's own coordinates; 0 without a
    // plane or outside.
    int byteAt(const uint8_t* plane, CXPoint p) const;
    // The alpha byte at a point in the object's own coordinates, packed or not.
    int alphaAt(CXPoint local) const;
    // The stamp's alpha plane raw, to be read while this one is written: the stamp's own, or an
    // unpacked copy (or a copy of this very plane) held in `copy`. Null when either picture has
    // no raw alpha plane.
    const uint8_t* stampAlpha(CGraphicsObject* stamp, std::unique_ptr<uint8_t[]>& copy);
    // The part of the picture (pixel coordinates) is drawn again where the picture stands.
    void invalidatePart(const CXRect& part);
    // Auto clip: narrows the clipping rectangle to the part that lies on the target; false when
    // nothing of the object does.
    bool clipTo(CGraphicsObject* target);
    void drawOnto(CGraphicsObject* target);
    void invalidateRect(CXRect rect);
    // Takes the object off the sub-objects; the list and the backup go with the last one.
    bool takeSubObject(CGraphicsObject* object);
    void dropSubObjects();

    CXString fileName_;
    CWindow* window_;
    CGraphicsObject* screen_;
    CGraphicsObject* destiny_;
    CDataBuffer2Dim* backup_;
    int width_;
    int height_;
    int pitch_;
    uint8_t* data_;
    int bpp_;
    int flags_;
    bool autoClip_;
    CXRect clip_;
    CXRect viewport_;
    int x_;
    int y_;
    int anchorX_;
    int anchorY_;
    bool flippedRows_;
    bool flippedColumns_;
    int channelSize_[4];
    uint8_t* red_;
    uint8_t* green_;
    uint8_t* blue_;
    uint8_t* alpha_;
    bool alphaAsMask_;
    bool ownsData_;
    int dataSize_;
    _compression compression_;
    unsigned char opacity_;
    _floodfill* ffArray_;
    int ffCount_;
    bool invalidated_;
    CXArray* observers_;
    bool monitorCollisions_;
    CValidationQuene* subObjects_;
    bool visible_;
    CPackedPlanes packing_{*this};
    // Kept while this picture serves as an alpha stamp (mergeAlpha).
    std::unique_ptr<CAlphaStamp> alphaStamp_;
};
