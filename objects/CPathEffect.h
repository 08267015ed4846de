#pragma once

#include "foundation/CXRect.h"
#include "objects/CFilterEffect.h"
#include "objects/CFilterParams.h"
#include "script/CMC_ObjectRef.h"

class CMC_ObjectsContainer;

// PATH: moves the picture along the nodes of the PATH object named PATHDEF, node after node, each
// node's displacement covered in steps of DENSITY pixels of the PATH object, every SPEED-th timer
// step; at the last node it finishes, or with LOOPED starts over from where it stands.
//
// Places are the picture's own position (an animation's is where it was moved to), changed by
// moving it. A node that is not a VECTOR, or a PATH object that is missing, holds the picture
// where it is. A SPEED below 1 counts as 1; a DENSITY that is not above 0 does not move the
// picture; a node of length 0 (or of values no step can cover) is done at once.
class CPathEffect : public CFilterEffect {
public:
    // SPEED (integer, 1), PATHDEF (text), LOOPED (bool).
    struct Params : CFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        int speed = 1;
        CXString pathDef;
        bool looped = false;
    };

    CPathEffect(CWindow* window, CMC_ObjectsContainer* container);

    CFilterParams& params() override { return params_; }

protected:
    struct State : CFilterLink::State {
        CXPoint origin;
        double progressX = 0.0;
        double progressY = 0.0;
        int node = 0;
    };

    std::unique_ptr<CFilterLink::State> createState(CGraphicsObject* picture) override;
    // The origin is where the picture stands; progress and node stay as the last run left them.
    void prepare(CFilterLink& link, CGraphicsObject* picture) override;
    bool step(CFilterLink& link, CGraphicsObject* picture) override;

private:
    // The picture goes to origin + the truncated progress; false when it stands there already
    // or has not covered the node yet.
    static bool advance(State& state, CGraphicsObject* picture, double nodeX, double nodeY);
    // The node is covered: the next one from where the picture stands; true at the end.
    bool nextNode(State& state, CGraphicsObject* picture, int nodeCount) const;

    Params params_;
    CMC_Ref<CMC_ObjectsContainer> container_;
};
