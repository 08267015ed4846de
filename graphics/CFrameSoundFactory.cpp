#include "graphics/CFrameSoundFactory.h"

CPlayable* CFrameSoundFactory::sound(CWindow* window, const CXString& name)
{
    CFrameSoundFactory* factory = installed();
    return factory != nullptr ? factory->makeSound(window, name) : nullptr;
}

CPlayable* CFrameSoundFactory::stream(CWindow* window, const CXString& name)
{
    CFrameSoundFactory* factory = installed();
    return factory != nullptr ? factory->makeStream(window, name) : nullptr;
}
