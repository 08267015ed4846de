#pragma once

#include <memory>

class CMC_ExternObject;
class CMC_ObjectsContainer;

// The one module of a loaded library and the containers using it. A library named by an episode
// and by its scene is loaded once, so both make and release the same module: the first create
// makes it for its container (later ones keep it), and the last release destroys it.
//
// Each library keeps one at namespace scope behind its create, release and getModuleInterface.
template <class Module>
class CModuleUsers {
public:
    void create(CMC_ObjectsContainer* container)
    {
        if (module_ == nullptr)
            module_ = std::make_unique<Module>(container);
        ++users_;
    }
    void release()
    {
        if (users_ > 0 && --users_ == 0)
            module_.reset();
    }
    // Null before the first create and after the last release.
    CMC_ExternObject* module() const { return module_.get(); }

private:
    std::unique_ptr<Module> module_;
    int users_ = 0;
};
