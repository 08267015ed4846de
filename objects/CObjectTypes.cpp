#include "objects/CObjectTypes.h"

#include "application/CButtonObjectMaker.h"
#include "application/CVirtualGraphicsObjectMaker.h"
#include "graphics/CAnimo6.h"
#include "graphics/CCanvas.h"
#include "graphics/CFrame.h"
#include "graphics/CImage.h"
#include "graphics/CMultilineText6.h"
#include "graphics/CPattern.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CVirtualGraphicsObject.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Animo.h"
#include "objects/CMC_Animo_Runner.h"
#include "objects/CMC_Button.h"
#include "objects/CMC_Button_Runner.h"
#include "objects/CMC_Canvas.h"
#include "objects/CMC_CanvasObserver.h"
#include "objects/CMC_CanvasObserver_Runner.h"
#include "objects/CMC_Canvas_Runner.h"
#include "objects/CMC_Dialog.h"
#include "objects/CMC_Dialog_Runner.h"
#include "objects/CMC_EditBox.h"
#include "objects/CMC_EditBox_Runner.h"
#include "objects/CMC_Filter.h"
#include "objects/CMC_Filter_Runner.h"
#include "objects/CMC_Font.h"
#include "objects/CMC_Font_Runner.h"
#include "objects/CMC_GrBuffer.h"
#include "objects/CMC_GrBuffer_Runner.h"
#include "objects/CMC_Image.h"
#include "objects/CMC_Image_Runner.h"
#include "objects/CMC_Movie.h"
#include "objects/CMC_Movie_Runner.h"
#include "objects/CMC_Path.h"
#include "objects/CMC_Path_Runner.h"
#include "objects/CMC_Pattern.h"
#include "objects/CMC_Pattern_Runner.h"
#include "objects/CMC_Scroll.h"
#include "objects/CMC_Scroll_Runner.h"
#include "objects/CMC_Sequence.h"
#include "objects/CMC_Sequence_Runner.h"
#include "objects/CMC_Sound.h"
#include "objects/CMC_Sound_Runner.h"
#include "objects/CMC_Joystick.h"
#include "objects/CMC_Joystick_Runner.h"
#include "objects/CMC_Keyboard.h"
#include "objects/CMC_Keyboard_Runner.h"
#include "objects/CMC_Mouse.h"
#include "objects/CMC_Mouse_Runner.h"
#include "objects/CMC_StaticFilter.h"
#include "objects/CMC_StaticFilter_Runner.h"
#include "objects/CMC_Text.h"
#include "objects/CMC_Text_Runner.h"
#include "objects/CMC_VirtualGraphicsObject.h"
#include "objects/CMC_VirtualGraphicsObject_Runner.h"
#include "objects/CSceneMedia.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"

namespace {

// A type's creator of definitions and runner under its word and identifier.
template <class Object, class Runner>
void registerDefinedType(const char* word, int type)
{
    CMC_CreationChain::registerCreator(word, [](CMC_ObjectsContainer* container, CMElement* element) -> CMC_Object* {
        return new Object(container, element);
    });
    CMC_RunnerFactory::registerRunner(type, [] { return new Runner(); });
}

// The same, and the empty maker of CREATE and the scene archive.
template <class Object, class Runner>
void registerType(const char* word, int type)
{
    registerDefinedType<Object, Runner>(word, type);
    CMC_CreationChain::registerEmptyCreator(word, [](CMC_ObjectsContainer* container) -> CMC_Object* { return new Object(container); });
}

// The animation of an ANIMO, or with a part after "!" its frame of that name.
CGraphicsObject* animationOf(CMC_Object* object, CMC_ObjectsContainer*, const CXString* part)
{
    auto* animo = dynamic_cast<CMC_Animo*>(object);
    CAnimo6* animation = animo != nullptr ? animo->getAnimo() : nullptr;
    if (animation == nullptr || part == nullptr)
        return animation;
    return animation->getFrame(*part);
}

CGraphicsObject* imageOf(CMC_Object* object, CMC_ObjectsContainer*, const CXString*)
{
    auto* image = dynamic_cast<CMC_Image*>(object);
    return image != nullptr ? image->getImage() : nullptr;
}

CGraphicsObject* textOf(CMC_Object* object, CMC_ObjectsContainer*, const CXString*)
{
    auto* text = dynamic_cast<CMC_Text*>(object);
    return text != nullptr ? text->getText() : nullptr;
}

CGraphicsObject* canvasOf(CMC_Object* object, CMC_ObjectsContainer*, const CXString*)
{
    auto* canvas = dynamic_cast<CMC_Canvas*>(object);
    return canvas != nullptr ? canvas->getCanvas() : nullptr;
}

CGraphicsObject* patternOf(CMC_Object* object, CMC_ObjectsContainer*, const CXString*)
{
    auto* pattern = dynamic_cast<CMC_Pattern*>(object);
    return pattern != nullptr ? pattern->getPattern() : nullptr;
}

CGraphicsObject* virtualGraphicsOf(CMC_Object* object, CMC_ObjectsContainer*, const CXString*)
{
    auto* shown = dynamic_cast<CMC_VirtualGraphicsObject*>(object);
    return shown != nullptr ? shown->getGraphics() : nullptr;
}

// The screen of the container's window.
CGraphicsObject* screenOf(CMC_Object*, CMC_ObjectsContainer* container, const CXString*)
{
    CWindow* window = CMC_ObjectsContainer::windowOf(container);
    return window != nullptr ? window->GetRefreshScreenInterface() : nullptr;
}

} // namespace

void CObjectTypes::registerAll()
{
    registerType<CMC_Animo, CMC_Animo_Runner>("ANIMO", script::TYPE_ANIMO);
    CMC_CreationChain::registerGraphicsAccessor(script::TYPE_ANIMO, animationOf);
    registerType<CMC_Image, CMC_Image_Runner>("IMAGE", script::TYPE_IMAGE);
    CMC_CreationChain::registerGraphicsAccessor(script::TYPE_IMAGE, imageOf);
    registerType<CMC_Font, CMC_Font_Runner>("FONT", script::TYPE_FONT);
    registerType<CMC_Text, CMC_Text_Runner>("TEXT", script::TYPE_TEXT);
    CMC_CreationChain::registerGraphicsAccessor(script::TYPE_TEXT, textOf);
    registerType<CMC_Sequence, CMC_Sequence_Runner>("SEQUENCE", script::TYPE_SEQUENCE);
    registerType<CMC_Sound, CMC_Sound_Runner>("SOUND", script::TYPE_SOUND);
    registerType<CMC_Button, CMC_Button_Runner>("BUTTON", script::TYPE_BUTTON);
    // A scene's CREATEOBJECT wraps the button it makes.
    CButtonObjectMaker::registerMaker([](CMC_ObjectsContainer* scene, CButton* button, const CXString& name) -> CMC_Object* {
        return new CMC_Button(scene, button, name);
    });
    // Sequences and speaking animations find the live scene's ANIMO and SOUND objects through it.
    static CSceneMedia sceneMedia;
    CSceneMediaLink::install(&sceneMedia);
    registerType<CMC_Canvas, CMC_Canvas_Runner>("CANVAS", script::TYPE_CANVAS);
    CMC_CreationChain::registerGraphicsAccessor(script::TYPE_CANVAS, canvasOf);
    registerType<CMC_CanvasObserver, CMC_CanvasObserver_Runner>("CANVAS_OBSERVER", script::TYPE_CANVASOBSERVER);
    CMC_CreationChain::registerGraphicsAccessor(script::TYPE_CANVASOBSERVER, screenOf);
    registerType<CMC_EditBox, CMC_EditBox_Runner>("EDITBOX", script::TYPE_EDITBOX);
    registerType<CMC_Dialog, CMC_Dialog_Runner>("DIALOG", script::TYPE_DIALOG);
    registerType<CMC_Keyboard, CMC_Keyboard_Runner>("KEYBOARD", script::TYPE_KEYBOARD);
    registerType<CMC_Mouse, CMC_Mouse_Runner>("MOUSE", script::TYPE_MOUSE);
    CMC_Mouse::installWindowLink();
    registerType<CMC_Path, CMC_Path_Runner>("PATH", script::TYPE_PATH);
    registerType<CMC_Filter, CMC_Filter_Runner>("FILTER", script::TYPE_FILTER);
    registerType<CMC_StaticFilter, CMC_StaticFilter_Runner>("STATICFILTER", script::TYPE_STATICFILTER);
    registerType<CMC_Pattern, CMC_Pattern_Runner>("PATTERN", script::TYPE_PATTERN);
    CMC_CreationChain::registerGraphicsAccessor(script::TYPE_PATTERN, patternOf);
    registerType<CMC_Scroll, CMC_Scroll_Runner>("SCROLL", script::TYPE_SCROLL);
    // Made from definitions only: they have no stored record (a scene's CREATEOBJECT makes virtual
    // graphics objects too).
    registerDefinedType<CMC_GrBuffer, CMC_GrBuffer_Runner>("GRBUFFER", script::TYPE_GRBUFFER);
    registerDefinedType<CMC_Joystick, CMC_Joystick_Runner>("JOYSTICK", script::TYPE_JOYSTICK);
    registerDefinedType<CMC_Movie, CMC_Movie_Runner>("MOVIE", script::TYPE_MOVIE);
    registerDefinedType<CMC_VirtualGraphicsObject, CMC_VirtualGraphicsObject_Runner>("VIRTUALGRAPHICSOBJECT", script::TYPE_VIRTUAL_GRAPHICSOBJECT);
    CMC_CreationChain::registerGraphicsAccessor(script::TYPE_VIRTUAL_GRAPHICSOBJECT, virtualGraphicsOf);
    CVirtualGraphicsObjectMaker::registerMaker(
        [](CMC_ObjectsContainer* scene, CVirtualGraphicsObject* graphics, const CXString& name) -> CMC_Object* {
            auto* made = new CMC_VirtualGraphicsObject(scene, graphics);
            made->setName(name);
            return made;
        });
}
