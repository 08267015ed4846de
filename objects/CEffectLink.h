#pragma once

#include "foundation/CXString.h"
#include "script/CMC_ObjectRef.h"

class CGraphicsObject;
class CMC_Object;
class CMC_ObjectsContainer;

// One picture linked to a filter effect: the graphics object (the link's key) and the script
// object whose name gave it. Pictures are deleted by their owners whenever they like (a reload,
// the object's done, its deletion), so the link never trusts its pointer: live() answers the
// picture only while the script object lives and still shows that very picture, and a link that
// answers null must let the picture be.
class CEffectLink {
public:
    // What a script name gives: the picture the container shows under it (null when none), the
    // object of the name's part before "!" and the part after it, a frame's name.
    struct Target {
        CGraphicsObject* graphics = nullptr;
        CMC_Object* object = nullptr;
        CXString part;
        bool hasPart = false;
    };
    static Target find(CMC_ObjectsContainer* container, const CXString& name);

    explicit CEffectLink(const Target& target);
    virtual ~CEffectLink() = default;
    CEffectLink(const CEffectLink&) = delete;
    CEffectLink& operator=(const CEffectLink&) = delete;

    // The key, to be compared only.
    CGraphicsObject* getGraphics() const { return graphics_; }
    // Null once the object is gone.
    CMC_Object* getObject() const { return object_.get(); }
    // The picture while it is still the object's; null otherwise.
    CGraphicsObject* live() const;

private:
    CGraphicsObject* graphics_;
    CMC_ObjectRef object_;
    CXString part_;
    bool hasPart_;
};
