#pragma once

#include "objects/CMC_Media_Runner.h"

class CImage;
class CMC_Image;

// The runner of IMAGE objects: showing, placing, clipping, sampling, linking, saving and the
// object's pointer and collision settings.
class CMC_Image_Runner : public CMC_Media_Runner {
public:
    enum Method {
        SHOW = 1,
        HIDE = 2,
        SETPOSITION = 5,
        MOVE = 6,
        LOAD = 7,
        CLEARCLIPPING = 8,
        SETCLIPPING = 9,
        GETPOSITIONX = 15,
        GETPOSITIONY = 16,
        GETWIDTH = 17,
        GETHEIGHT = 18,
        ISNEAR = 23,
        ISINSIDE = 24,
        MONITORCOLLISION = 26,
        REMOVEMONITORCOLLISION = 27,
        SETSCALEFACTOR = 28,
        SETPRIORITY = 32,
        GETALPHA = 33,
        GETPIXEL = 34,
        MERGEALPHA = 36,
        INVALIDATE = 37,
        GETCENTERX = 40,
        GETCENTERY = 41,
        ISVISIBLE = 48,
        LINK = 49,
        SETASBUTTON = 50,
        SETOPACITY = 51,
        SAVE = 52,
        SETANCHOR = 53,
        FLIPH = 54,
        FLIPV = 55,
        RESETFLIPS = 56,
        DRAWONTO = 57,
        RESETPOSITION = 58,
        SETRESETPOSITION = 59,
        ISAT = 63,
        GETOPACITY = 64,
        GETSLIDECOMPS = 65,
        GETCOLORAT = 66,
        GETCOLORRAT = 67,
        GETCOLORGAT = 68,
        GETCOLORBAT = 69,
        MERGEALPHA2 = 70,
        REPLACECOLOR = 71,
        GETPRIORITY = 72,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, an object of another type, or one without a picture go to the common
    // methods (which answer nothing for these identifiers).
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    struct Direction {
        double x;
        double y;
    };
    // A free direction near (vx, vy) from (x, y), for sliding along what the image shows: the
    // vector turned alternately one way and the other by the same angle and shrunk each time,
    // until the image does not show the point it reaches (at most 90 turns each way). The vector
    // itself when every turn meets the image.
    static Direction slideDirection(CImage* image, Direction vector, int x, int y);

private:
    CMC_Variable* runPicture(int id, CMC_Image* object, CImage* image, CMC_ObjectsContainer* container, CXVector* arguments,
                             bool& done);
    CMC_Variable* runGeometry(int id, CMC_Image* object, CImage* image, CMC_ObjectsContainer* container, CXVector* arguments,
                              bool& done);
    void linkTo(CMC_Image* object, CMC_ObjectsContainer* container, CXVector* arguments);
    void slideComponents(CImage* image, CMC_ObjectsContainer* container, CXVector* arguments);
};
