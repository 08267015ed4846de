#pragma once

#include "script/CMC_Object.h"

#include <vector>

// The PATH script object (type 2017): the ordered nodes a FILTER's PATH effect moves a picture
// along, each another object of the container (a VECTOR whose first two values are the segment's
// displacement), and DENSITY, the pixels one step of the effect covers (1.0 at first, set only by
// scripts). Nodes are held weakly: a node deleted meanwhile, or a name that found nothing, is an
// empty entry.
//
// Its stored record after the common part: the number of nodes, then each node's name (empty for
// an empty entry); the density is not kept.
class CMC_Path : public CMC_Object {
public:
    // Empty, named "temp", to be restored from the scene archive or made by CREATE.
    explicit CMC_Path(CMC_ObjectsContainer* container);
    // From a definition: NODES (names in order), then the behaviours.
    CMC_Path(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Path() override;

    // "[" + node + "]" for every node in order ("[]" for an empty entry).
    CXString toString() const override;
    CXString** getBehavioursList() override;
    void serialize(CXArchive* archive) override;

    // Appends the container's object of that name, an empty entry when it has none.
    void add(const CXString& name);
    int getSize() const { return static_cast<int>(nodes_.size()); }
    // Null outside the nodes and for an empty entry.
    CMC_Object* getNode(int index) const;
    // The node's name; empty outside the nodes and for an empty entry.
    CXString getNodeName(int index) const;
    double getDensity() const { return density_; }
    void setDensity(double density) { density_ = density; }

private:
    std::vector<CMC_ObjectRef> nodes_;
    double density_ = 1.0;
};
