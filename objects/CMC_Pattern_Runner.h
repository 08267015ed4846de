#pragma once

#include "objects/CMC_Media_Runner.h"

class CMC_Pattern;
class CPattern;
class CPatternEntry;

// The runner of PATTERN objects: pictures put into cells and taken out, the grid, the pattern's
// place, and what lies under a point or in a cell. The two flags of the point searches are
// "hidden pictures count too" and "the box is enough" (no look at the pixel); GETGRAPHICSAT's two
// integers are the layer (below 0: all) and the alpha a pixel must exceed.
class CMC_Pattern_Runner : public CMC_Media_Runner {
public:
    enum Method {
        ADD = 1,
        SETGRID = 2,
        MOVE = 3,
        GETGRAPHICSAT = 4,
        REMOVE = 5,
        GETALIASAT = 6,
        GETINFOAT = 7,
        GETALIASINFO = 8,
        GETCELLCORD = 9,
        GETALIASATCELL = 10,
        SETPOSITION = 11,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, an object of another type, or one without a pattern go to the common
    // methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    // The methods that change the cells or the grid; false for the others.
    bool runChange(int id, CPattern* pattern, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* runQuery(int id, CPattern* pattern, CMC_ObjectsContainer* container, CXVector* arguments);
    // Appends alias, cell x, cell y, the picture's width and height and its centre x and y on the
    // target to the named array; nothing without an entry.
    void appendInfo(CPattern* pattern, CPatternEntry* entry, CMC_ObjectsContainer* container, const CXString& array);
    // Whether the point lies on the pattern (its far edges included); appends the point's cell
    // x and y to the named array either way.
    CMC_Variable* cellOf(CPattern* pattern, CMC_ObjectsContainer* container, CXVector* arguments);
};
