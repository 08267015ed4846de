#pragma once

#include "objects/CMC_Media_Runner.h"

class CAnimo6;
class CMC_Animo;

// The runner of ANIMO objects: showing, playing and stepping the animation, its events and
// frames, position, clipping, sampling, sound settings and the object's pointer and collision
// settings. Identifier 14 is not used.
class CMC_Animo_Runner : public CMC_Media_Runner {
public:
    enum Method {
        SHOW = 1,
        HIDE = 2,
        PAUSE = 3,
        RESUME = 4,
        SETPOSITION = 5,
        MOVE = 6,
        LOAD = 7,
        CLEARCLIPPING = 8,
        SETCLIPPING = 9,
        PLAY = 10,
        SETFRAME = 11,
        STOP = 12,
        ISPLAYING = 13,
        GETPOSITIONX = 15,
        GETPOSITIONY = 16,
        GETWIDTH = 17,
        GETHEIGHT = 18,
        GETFRAME = 19,
        GETFRAMENAME = 20,
        GETFRAMENO = 21,
        GETEVENTNAME = 22,
        ISNEAR = 23,
        ISINSIDE = 24,
        PLAYRAND = 25,
        MONITORCOLLISION = 26,
        REMOVEMONITORCOLLISION = 27,
        SETFORWARD = 28,
        SETBACKWARD = 29,
        NEXTFRAME = 30,
        PREVFRAME = 31,
        SETPRIORITY = 32,
        GETALPHA = 33,
        GETPIXEL = 34,
        SETFPS = 35,
        MERGEALPHA = 36,
        INVALIDATE = 37,
        GETCURRFRAMEPOSX = 38,
        GETCURRFRAMEPOSY = 39,
        GETCENTERX = 40,
        GETCENTERY = 41,
        GETNOE = 42,
        GETNOF = 43,
        GETNOFINEVENT = 44,
        GETMAXWIDTH = 45,
        GETMAXHEIGHT = 46,
        ISVISIBLE = 47,
        GETCFRAMEINEVENT = 48,
        SETASBUTTON = 49,
        SETONFF = 50,
        SETOPACITY = 51,
        SETVOLUME = 52,
        SETPAN = 53,
        SETFREQ = 54,
        SETANCHOR = 55,
        SETFRAMENAME = 56,
        GETPRIORITY = 57,
        FLIPH = 58,
        FLIPV = 59,
        RESETFLIPS = 60,
        DRAWONTO = 61,
        PLAYREVERSE = 62,
        NPLAY = 63,
        ISAT = 64,
        GETOPACITY = 65,
        GETANCHOR = 66,
        GETEVENTNUMBER = 67,
        GETFPS = 68,
        REPLACECOLOR = 69,
        GETENDX = 70,
        GETENDY = 71,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, an object of another type, or one without an animation go to the common
    // methods (which answer nothing for these identifiers).
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // The volume and panning of the script scale in hundredths of a decibel: 800 is full volume
    // and 400 the centre; beyond about 31 dB down is silence or a full side.
    static int volumeOf(int value);
    static int panningOf(int value);

private:
    // The methods by the group they work on; null when the identifier is not theirs.
    CMC_Variable* runPlayback(int id, CMC_Animo* object, CAnimo6* animation, CXVector* arguments, bool& done);
    CMC_Variable* runEvents(int id, CAnimo6* animation, CXVector* arguments, bool& done);
    CMC_Variable* runPicture(int id, CMC_Animo* object, CAnimo6* animation, CMC_ObjectsContainer* container,
                             CXVector* arguments, bool& done);
    CMC_Variable* runGeometry(int id, CAnimo6* animation, CXVector* arguments, bool& done);

    // The event of an int|text argument: a number as it is (-1 the current event), a name found
    // ignoring case (-1 when none).
    int eventArgument(CAnimo6* animation, CXVector* arguments, int index);
    // The same as a name: a number's event name, a text as it is.
    CXString eventNameArgument(CAnimo6* animation, CXVector* arguments, int index);
    void setFrame(CAnimo6* animation, CXVector* arguments);
    CMC_Variable* isPlaying(CAnimo6* animation, CXVector* arguments);
    CMC_Variable* frameName(CAnimo6* animation, CXVector* arguments);
    CMC_Variable* frameNumber(CAnimo6* animation, CXVector* arguments);
    CMC_Variable* framesInEvent(CAnimo6* animation, CXVector* arguments);
    void setFrameName(CAnimo6* animation, CXVector* arguments);
    void playReverse(CAnimo6* animation, CXVector* arguments);
    void playRandomly(CAnimo6* animation, CXVector* arguments);
    // GETPOSITIONX/Y: the drawn frame's corner, or with an argument the animation's own position.
    CXPoint position(CAnimo6* animation, CXVector* arguments);
};
