#include "application/CButtonObjectMaker.h"

CButtonObjectMaker::Maker& CButtonObjectMaker::maker()
{
    static Maker registered;
    return registered;
}

void CButtonObjectMaker::registerMaker(Maker made)
{
    maker() = std::move(made);
}

bool CButtonObjectMaker::hasMaker()
{
    return static_cast<bool>(maker());
}

CMC_Object* CButtonObjectMaker::make(CMC_ObjectsContainer* scene, CButton* button, const CXString& name)
{
    return hasMaker() ? maker()(scene, button, name) : nullptr;
}
