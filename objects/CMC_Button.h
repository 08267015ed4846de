#pragma once

#include "graphics/CControlNotifier.h"
#include "script/CMC_Object.h"

#include <memory>

class CButton;
class CGraphicsObject;
class CMElement;
class CPlayable;
class CSignalList;
class CWindow;

// The BUTTON script object (type 2001): an engine push button (CButton) made of the pictures and
// sounds of other objects of its scene, found by their names. It draws nothing of its own and
// listens to no mouse: the engine button and its hot spot do, and the object turns what the
// button reports into plain signals ("ONFOCUSON", "ONFOCUSOFF", "ONCLICKED", "ONRELEASED",
// "ONACTION", "ONSTARTDRAGGING", "ONDRAGGING", "ONENDDRAGGING").
//
// The pictures and sounds stay their objects' own: the button never deletes them, and forgets
// each one its owner deletes. During a drag the scene's dragged name is the name of the object
// whose picture is dragged.
//
// The stored record after the common part: ACCENT, GFXSTANDARD, GFXONMOVE, GFXONCLICK,
// SNDSTANDARD, SNDONMOVE, SNDONCLICK, DRAG and RECT (texts), ENABLE, DRAGGABLE (bools) and
// PRIORITY (int), as the definition gave them: what scripts changed later is not kept.
class CMC_Button : public CMC_Object, public CControlNotifier {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONFOCUSON", "ONFOCUSOFF", "ONPAUSED", "ONCLICKED",
    // "ONRELEASED", "ONACTION", "ONSTARTDRAGGING", "ONDRAGGING", "ONENDDRAGGING". Nothing raises
    // ONPAUSED.
    static const CSignalList& signalList();

    // Empty, without an engine button, to be restored from the scene archive or made by CREATE.
    explicit CMC_Button(CMC_ObjectsContainer* container);
    // Around an engine button made elsewhere (a scene's CREATEOBJECT, a clone), which it takes
    // over.
    CMC_Button(CMC_ObjectsContainer* container, CButton* button, const CXString& name);
    // From a definition: the names and properties, the engine button built of them, the pointer's
    // present place taken into account, then the behaviours.
    CMC_Button(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Button() override;

    // A BUTTON named "cloned" around a copy of the engine button, which shares its pictures and
    // sounds and has no area yet; null without an engine button.
    CXObject* clone() const override;
    CXString** getBehavioursList() override;
    void serialize(CXArchive* archive) override;

    // Null in an empty object.
    CButton* getButton() const { return button_.get(); }
    // The picture and the sound an object of the scene gives; null when it gives none.
    CGraphicsObject* graphicsOf(const CXString& name);
    CPlayable* soundOf(const CXString& name);

    void onControlFocusOn(CControl* control, CXPoint point) override;
    void onControlFocusOff(CControl* control, CXPoint point) override;
    void onControlClicked(CControl* control, CXPoint point) override;
    void onControlReleased(CControl* control, CXPoint point) override;
    void onControlAction(CControl* control, CXPoint point) override;
    void onStartDragging(CControl* control, CXPoint point) override;
    void onDragging(CControl* control, CXPoint point) override;
    void onEndDragging(CControl* control, CXPoint point) override;

private:
    void createButton();
    // The area: RECT's object's box (its screen priority becomes PRIORITY), else RECT read as a
    // rectangle; empty without RECT.
    CXRect activeRect();
    // The button hears and owns nothing of what it is given.
    void adopt();
    void raise(const char* signal);
    // The name of the object whose picture a drag carries.
    CXString draggedName();

    CWindow* window_;
    std::unique_ptr<CButton> button_;
    CXString accent_;
    CXString standard_;
    CXString onMove_;
    CXString onClick_;
    CXString soundStandard_;
    CXString soundOnMove_;
    CXString soundOnClick_;
    CXString drag_;
    CXString rect_;
    bool enable_ = false;
    bool draggable_ = false;
    int priority_ = 0;
};
