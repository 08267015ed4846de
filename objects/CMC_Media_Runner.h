#pragma once

#include "script/CMC_Runner.h"

#include <span>

class CGraphicsObject;
class CMC_GraphicsMedia;
class CWindow;
struct CXPoint;

// The methods the runners of picture types have in common (ANIMO and IMAGE each give them their
// own identifiers): loading, placing, clipping, nearness, anchors, drawing onto another picture,
// alpha stamping, sampling, colour replacement, flips, priorities and collision watching. A type's
// method table names the shared method of each such identifier, and its run passes them here.
// Arguments are read by position as the getters convert them; a named object that does not exist
// makes a method do nothing. Collision watching from a script sets the picture's own flag but not
// the object's definition flags.
class CMC_Media_Runner : public CMC_Runner {
public:
    // The methods both types have, each under its own identifier in each type.
    enum class Shared {
        None,
        Load,
        ClearClipping,
        SetClipping,
        SetPosition,
        Move,
        IsNear,
        MonitorCollision,
        RemoveMonitorCollision,
        SetPriority,
        GetPriority,
        MergeAlpha,
        Invalidate,
        IsVisible,
        GetOpacity,
        SetAnchor,
        FlipH,
        FlipV,
        ResetFlips,
    };
    // A row of a type's method table: its name and identifier, and the shared method it is.
    struct Method {
        const char* name;
        int id;
        Shared shared;
    };

    // A colour of 8-bit channels as a pixel of the screen's format: 5-5-5 when the screen draws 15
    // bits, else 5-6-5.
    static short screenPixel(CWindow* window, int red, int green, int blue);

protected:
    // Files the type's methods after the common ones.
    void putMethods(std::span<const Method> methods);
    // The shared method of the identifier; None for the type's own methods and unknown ones.
    static Shared sharedOf(std::span<const Method> methods, int id);
    // Runs a shared method on the object's picture (LOAD also without one); false when the object
    // has no picture for it.
    bool runShared(Shared method, CMC_GraphicsMedia* object, CMC_ObjectsContainer* container, CXVector* arguments,
                   CMC_Variable*& result);

    // The graphics object of the container's object of that name; null when none.
    static CGraphicsObject* pictureNamed(CMC_ObjectsContainer* container, const CXString& name);
    // The argument is an INTEGER (a number), not a name.
    bool isNumber(CXVector* arguments, int index);

    // Invalidates, places the picture (its own SetPosition), invalidates again.
    static void placeAt(CGraphicsObject* picture, int x, int y);
    // Four ints left, top, right, bottom; or one name: that object's picture's bounding box, the
    // empty rectangle when it has none.
    void setClipping(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments);
    // Name and percent, or left, top, right, bottom and percent: whether that share of the
    // picture's box lies in the other's box or the rectangle.
    CMC_Variable* isNear(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments);
    // Two ints, or the name of a point of the drawn box ("CENTER", "LEFTUPPER", "RIGHTUPPER",
    // "LEFTLOWER", "RIGHTLOWER", "LEFT", "RIGHT", "TOP", "BOTTOM", compared exactly; any other
    // gives (0, 0)).
    void setAnchor(CGraphicsObject* picture, CXVector* arguments);
    // Appends the anchor's x and y as INTEGER values to the named object (an ARRAY).
    void getAnchor(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments);
    // The picture is drawn onto the named one, at the priority.
    void drawOnto(CGraphicsObject* picture, CMC_ObjectsContainer* container, const CXString& name, int priority);
    // x, y and the name of the stamp: mergeAlpha, or mergeAlpha2 with its flag.
    void mergeAlpha(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments);
    void mergeAlpha2(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments);
    // The alpha byte or the 16-bit pixel of the picture at the screen point (x, y) of the
    // arguments, the picture's top-left standing at `origin`; sign-extended from 8 and 16 bits as
    // the scripts have always read them (alpha 200 reads -56). 0 outside the picture, and 0 for
    // the alpha of a picture without an alpha plane.
    CMC_Variable* alphaAt(CGraphicsObject* picture, CXPoint origin, CXVector* arguments);
    CMC_Variable* pixelAt(CGraphicsObject* picture, CXPoint origin, CXVector* arguments);
    // Six ints from `first` on: the colours (r, g, b) and (r, g, b) in the screen's pixel format,
    // the first replaced by the second.
    void replaceColor(CGraphicsObject* picture, CXVector* arguments, int first);
    // FlipH, FlipV or ResetFlips, then the picture is drawn again.
    static void flip(CGraphicsObject* picture, Shared how);
    // SAVE's arguments: the file [, scaleX [, scaleY [, x1, y1, x2, y2]]], the scales 1.0 when not
    // given. The picture, or with all four coordinates and x1 != x2 and y1 != y2 a copy of it cut
    // to (x1, y1, x2, y2), is scaled when a factor is not 1.0 and written as an image file without
    // compression. Scaling the picture itself leaves it scaled, unless `keepPicture` asks for a
    // copy in any case.
    void savePicture(CGraphicsObject* picture, CXVector* arguments, bool keepPicture);
    // A value appended to the named object (an ARRAY), `times` times.
    void appendTo(CMC_ObjectsContainer* container, const CXString& name, CMC_Variable* value, int times = 1);
};
