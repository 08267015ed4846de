#pragma once

#include <cstdint>
#include <memory>

class CGraphicsObject;
class CXSize;

// The packed side of a graphics object's planes, by compression code: 2 LZO blocks, 3 LZO blocks
// over run-length data, 4 run-length data (16-bit colour elements, 8-bit alpha), 5 a JPEG stream
// with an LZO alpha block. Files bring planes in packed; codes 2, 3 and 5 are unpacked at once,
// while code 4 may stay packed in memory and be unpacked only around its use, the packed planes
// kept aside meanwhile.
//
// Every unpacking checks what comes out against the picture's size: data that does not make
// exactly the planes of width x height pixels leaves the object without planes and answers
// false. The lengths of packed planes are the buffers' own, whatever a file's head claims.
class CPackedPlanes {
public:
    explicit CPackedPlanes(CGraphicsObject& owner) : owner_(owner) {}
    CPackedPlanes(const CPackedPlanes&) = delete;
    CPackedPlanes& operator=(const CPackedPlanes&) = delete;

    // Planes read from a file become the object's (taken over, new[]): the size, pixel format and
    // code, the colour plane of colourLength bytes and, when not null, the alpha plane of
    // alphaLength bytes. Planes held before are freed.
    void receive(CXSize size, int bpp, int code, uint8_t* colour, int colourLength, uint8_t* alpha, int alphaLength);

    // Codes 2, 3 and 5 (3 leaves code 4); other codes are left as they are. False when the data
    // does not unpack to the picture.
    bool deCompress();
    // The same from packed planes given by the caller (not taken over) in place of the object's.
    bool unpackFrom(const uint8_t* colour, int colourLength, const uint8_t* alpha, int alphaLength);
    // Code 4: unpacked planes in place of the packed ones, which are kept aside. False when the
    // data does not unpack to the picture (the object then stays packed).
    bool deCompressRLE2();
    // Back to the planes kept aside, unless the object is marked unpacked.
    void bringBackCompressed();
    // The pair used around the use of a code-4 object.
    void unpack();
    void pack(bool freeUnpacked);
    // Packs raw planes; only code 4 is produced. A raw object asked for another code only has its
    // sizes recomputed.
    void compress(int code);
    // Frees the planes kept aside.
    void release();

    // Whether the data of a code-4 object unpacks to the whole picture.
    bool unpacksWhole() const;
    // A code-4 object's alpha plane unpacked, or null.
    std::unique_ptr<uint8_t[]> unpackedAlpha() const;

    // Bytes of the colour plane as packed.
    int colourSize() const { return colourSize_; }
    void setColourSize(int size) { colourSize_ = size; }
    // Copies what a view of another object needs to read its packed planes.
    void viewOf(const CPackedPlanes& other);

    // Unpacks a code-4 object for the while it lives (the packed planes are dropped) and packs it
    // again afterwards.
    class RawScope {
    public:
        explicit RawScope(CPackedPlanes& planes);
        ~RawScope();
        RawScope(const RawScope&) = delete;
        RawScope& operator=(const RawScope&) = delete;

    private:
        CPackedPlanes& planes_;
        bool unpacked_;
    };

    // The object's raw planes for reading: one packed by a file's code is unpacked for good, a
    // code-4 one for the while (its packed planes brought back afterwards).
    class ReadScope {
    public:
        explicit ReadScope(CPackedPlanes& planes);
        ~ReadScope();
        ReadScope(const ReadScope&) = delete;
        ReadScope& operator=(const ReadScope&) = delete;

        // False when the planes could not be unpacked.
        bool raw() const { return raw_; }

    private:
        CPackedPlanes& planes_;
        bool heldPacked_;
        bool raw_;
    };

private:
    // The object's planes are dropped: it has no pixels and is raw.
    void dropPlanes();
    void setAlphaSize(int alphaSize);
    int pixelCount() const;

    CGraphicsObject& owner_;
    int colourSize_ = 0;
    // The length of the packed alpha plane the object holds or keeps aside.
    int alphaLength_ = 0;
    uint8_t* keptColour_ = nullptr;
    uint8_t* keptAlpha_ = nullptr;
    int keptBpp_ = 0;
    bool unpacked_ = false;
};
