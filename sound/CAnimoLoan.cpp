#include "sound/CAnimoLoan.h"

#include "sound/CSceneMediaLink.h"

CAnimo* CAnimoLoan::borrow(CWindow* window, const CXString& name)
{
    CSceneMediaLink* link = CSceneMediaLink::installed();
    return link != nullptr ? borrow(link->findAnimo(window, name)) : nullptr;
}

CAnimo* CAnimoLoan::borrow(CMC_Object* animo)
{
    end();
    CSceneMediaLink* link = CSceneMediaLink::installed();
    CAnimo* animation = link != nullptr && animo != nullptr ? link->getAnimo(animo) : nullptr;
    if (animation == nullptr)
        return nullptr;
    owner_ = animo;
    link->addSeq(animo, borrower_);
    return animation;
}

void CAnimoLoan::end()
{
    CMC_Object* owner = owner_.get();
    owner_.reset();
    CSceneMediaLink* link = CSceneMediaLink::installed();
    if (owner != nullptr && link != nullptr)
        link->removeSeq(owner, borrower_);
}
