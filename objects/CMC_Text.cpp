#include "objects/CMC_Text.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "graphics/CFontCollection.h"
#include "graphics/CMultilineText6.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Font.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

const CSignalList& CMC_Text::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONCOLLISION", "ONCOLLISIONFINISHED"};
    return list;
}

_justify CMC_Text::resolveJustify(const CXString& word)
{
    static const char* const words[] = {"LEFT", "RIGHT", "CENTER", "TOP", "BOTTOM"};
    for (int i = 0; i < 5; ++i) {
        if (word == words[i])
            return _justify(i);
    }
    return JUSTIFY_CENTER;
}

CMC_Text::CMC_Text(CMC_ObjectsContainer* container)
    : CMC_Object("temp", script::TYPE_TEXT), window_(CMC_ObjectsContainer::windowOf(container))
{
    setScene(container);
}

CMC_Text::CMC_Text(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_TEXT), window_(CMC_ObjectsContainer::windowOf(container))
{
    bool toCanvas = element->getPropertyBoolValue("TOCANVAS");
    bool visible = element->getPropertyBoolValue("VISIBLE");
    CXString text = element->getPropertyValue("TEXT");
    bool hypertext = element->getPropertyBoolValue("HYPERTEXT");
    vJustify_ = element->getPropertyValue("VJUSTIFY");
    hJustify_ = element->getPropertyValue("HJUSTIFY");
    rect_ = element->getPropertyValue("RECT");
    priority_ = element->getPropertyIntValue("PRIORITY");
    font_ = element->getPropertyValue("FONT");
    build(text, hypertext, toCanvas, visible);
    initializeBehaviours(container, element);
}

CMC_Text::~CMC_Text()
{
    beginDestruction();
    if (text_ == nullptr)
        return;
    text_->Invalidate();
    if (CRefreshScreen* screen = window_ != nullptr ? window_->GetRefreshScreenInterface() : nullptr)
        *screen >> text_.get();
}

CXString** CMC_Text::getBehavioursList()
{
    return signalList().make();
}

CFontCollection* CMC_Text::fontNamed(const CXString& name)
{
    return CMC_Font::collectionNamed(getScene(), name);
}

CXRect CMC_Text::rectangle()
{
    CMC_ObjectsContainer* scene = getScene();
    CGraphicsObject* named = scene != nullptr ? scene->getGraphicsObject(rect_) : nullptr;
    return named != nullptr ? named->GetBoundingBox() : rect_.toRect();
}

void CMC_Text::build(const CXString& text, bool hypertext, bool toCanvas, bool visible)
{
    text_ = std::make_unique<CMultilineText6>(window_, hypertext, nullptr);
    text_->setJustify(rectangle(), resolveJustify(hJustify_), resolveJustify(vJustify_));
    text_->setFont(fontNamed(font_));
    text_->setText(text);
    CRefreshScreen* screen = window_ != nullptr ? window_->GetRefreshScreenInterface() : nullptr;
    if (toCanvas && screen != nullptr)
        screen->put(text_.get(), priority_);
    text_->Visible(visible);
}

void CMC_Text::init()
{
    if (text_ != nullptr && text_->getFont() == nullptr && font_.IsString())
        text_->setFont(fontNamed(font_));
    CMC_Object::init();
}

void CMC_Text::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive->isStoring()) {
        CRefreshScreen* screen = window_ != nullptr ? window_->GetRefreshScreenInterface() : nullptr;
        bool onScreen = text_ != nullptr && screen != nullptr && screen->GetPriority(text_.get()) != -1;
        bool visible = text_ != nullptr && text_->isVisible();
        *archive << vJustify_ << hJustify_ << rect_ << priority_ << font_ << onScreen << visible;
        *archive << (text_ != nullptr ? text_->getText() : CXString());
        return;
    }
    bool onScreen = false;
    bool visible = false;
    CXString text;
    *archive >> &vJustify_ >> &hJustify_ >> &rect_ >> &priority_ >> &font_ >> &onScreen >> &visible >> &text;
    if (text_ != nullptr) {
        text_->Invalidate();
        if (CRefreshScreen* screen = window_ != nullptr ? window_->GetRefreshScreenInterface() : nullptr)
            *screen >> text_.get();
    }
    build(text, false, onScreen, visible);
}
