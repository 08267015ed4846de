#pragma once

#include <memory>

class CMC_ObjectsContainer;
class CPluginModule;

// The three functions every plug-in library exports (declared beside CMC_ExternObject) are built
// into each library once, over the one module of the loaded library and the containers using it.
// A library named by an episode and by its scene is loaded once, so both make and release the
// same module: the first create makes it for its container (later ones keep it), and the last
// release destroys it.
//
// Each library defines the maker of its module.
std::unique_ptr<CPluginModule> makePluginModule(CMC_ObjectsContainer* container);
