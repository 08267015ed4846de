#pragma once

#include "script/CMC_Object.h"

#include <memory>

class CSignalList;
class CXDialog;

// The DIALOG script object (type 2013): a movable panel that scripts put together from objects
// of their scene (a background IMAGE or ANIMO, then buttons, pictures, animations and texts) and
// show, hide and let the player drag by the strip along the top of its background. It has no
// definition keys and raises no signals of its own; its stored record is the common part alone,
// and an object read back has an empty dialog.
class CMC_Dialog : public CMC_Object {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL".
    static const CSignalList& signalList();

    // Empty, named "temp", to be restored from the scene archive.
    explicit CMC_Dialog(CMC_ObjectsContainer* container);
    CMC_Dialog(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Dialog() override;

    CXString** getBehavioursList() override;

    CXDialog* getDialog() const { return dialog_.get(); }

private:
    std::unique_ptr<CXDialog> dialog_;
};
