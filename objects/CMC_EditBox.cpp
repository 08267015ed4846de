#include "objects/CMC_EditBox.h"

#include "application/CMC_Scene.h"
#include "application/CUnit6.h"
#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "graphics/CEditBox6.h"
#include "graphics/CFontCollection.h"
#include "objects/CMC_Font.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

namespace {

enum Position { FOCUS_ON = 3, FOCUS_OFF = 4, CHANGED = 5, ENTER = 6, ESC = 7 };

} // namespace

const CSignalList& CMC_EditBox::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONFOCUSON", "ONFOCUSOFF", "ONCHANGED", "ONENTER", "ONESC"};
    return list;
}

CMC_EditBox::CMC_EditBox(CMC_ObjectsContainer* container) : CMC_Object("temp", script::TYPE_EDITBOX)
{
    setScene(container);
}

CMC_EditBox::CMC_EditBox(CMC_ObjectsContainer* container, CMElement* element) : CMC_Object(container, element, script::TYPE_EDITBOX)
{
    CXString rectName = element->getPropertyValue("RECT");
    int priority = element->getPropertyIntValue("PRIORITY");
    CGraphicsObject* named = container != nullptr ? container->getGraphicsObject(rectName) : nullptr;
    CXRect rect = named != nullptr ? named->GetBoundingBox() : element->getPropertyRectValue("RECT");
    CXString text = element->getPropertyValue("TEXT");
    font_ = element->getPropertyValue("FONT");
    cursor_ = element->getPropertyValue("CURSOR");
    makeBox(rect, priority, text);
    initializeBehaviours(container, element);
}

CMC_EditBox::~CMC_EditBox()
{
    beginDestruction();
    releaseBox();
}

CXString** CMC_EditBox::getBehavioursList()
{
    return signalList().make();
}

CEditBox6* CMC_EditBox::getEditBox() const
{
    return boxAlive_ != nullptr && *boxAlive_ ? box_ : nullptr;
}

void CMC_EditBox::makeBox(CXRect rect, int priority, const CXString& text)
{
    rect_ = rect;
    CUnit6* unit = CMC_Scene::getDefUnit();
    CMC_ObjectsContainer* scene = getScene();
    box_ = unit != nullptr ? unit->addEditBox(CMC_Font::collectionNamed(scene, font_), rect, priority, text) : nullptr;
    boxAlive_ = box_ != nullptr ? box_->lifeToken() : nullptr;
    if (box_ == nullptr)
        return;
    box_->addNotifier(this);
    if (CGraphicsObject* cursor = scene != nullptr ? scene->getGraphicsObject(cursor_) : nullptr)
        box_->setCursor(cursor);
}

void CMC_EditBox::releaseBox()
{
    CEditBox6* box = getEditBox();
    box_ = nullptr;
    boxAlive_.reset();
    if (box == nullptr)
        return;
    box->removeNotifier(this);
    box->getUnit()->releaseEditBox(box);
}

void CMC_EditBox::raise(int position)
{
    if (isSignalHandled(position))
        onSignal(signalList().nameAt(position));
}

void CMC_EditBox::onFocusOn(CEditBox6*)
{
    raise(FOCUS_ON);
}

void CMC_EditBox::onFocusOff(CEditBox6*)
{
    raise(FOCUS_OFF);
}

void CMC_EditBox::onChanged(CEditBox6*)
{
    raise(CHANGED);
}

void CMC_EditBox::onEnter(CEditBox6*)
{
    raise(ENTER);
}

void CMC_EditBox::onEsc(CEditBox6*)
{
    raise(ESC);
}

void CMC_EditBox::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    CEditBox6* box = getEditBox();
    if (archive->isStoring()) {
        *archive << font_ << (box != nullptr ? box->getBoundingRect() : rect_) << (box != nullptr ? box->getText() : CXString()) << cursor_;
        return;
    }
    CXRect rect;
    CXString text;
    *archive >> &font_ >> &rect >> &text >> &cursor_;
    // The text and the priority are not kept: the field starts empty at 0.
    releaseBox();
    makeBox(rect, 0, CXString());
}
