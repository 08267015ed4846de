#include "objects/CMC_Font.h"

#include "foundation/CMElement.h"
#include "foundation/CStringTokenizer.h"
#include "foundation/CXArchive.h"
#include "graphics/CFontCollection.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

const CSignalList& CMC_Font::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL"};
    return list;
}

CMC_Font::CMC_Font(CMC_ObjectsContainer* container) : CMC_Object("", script::TYPE_FONT), window_(CMC_ObjectsContainer::windowOf(container))
{
    setScene(container);
}

CMC_Font::CMC_Font(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_FONT), window_(CMC_ObjectsContainer::windowOf(container)),
      collection_(std::make_unique<CFontCollection>(window_))
{
    CMProperties* properties = element->getProperties();
    for (int i = 0; i < properties->getSize(); ++i) {
        CMProperty* property = properties->getAt(i);
        if (!property->getName().startsWith("DEF_"))
            continue;
        // The key's parts: "DEF", then family, style and size; a family or style has no "_".
        CStringTokenizer parts(property->getName(), "_");
        parts.nextToken();
        CXString family = parts.nextToken();
        CXString style = parts.nextToken();
        int size = parts.nextToken().toNumber();
        addFont(std::make_unique<CSimpleFont6>(window_, property->getValue()), family, style, size);
    }
    initializeBehaviours(container, element);
}

CMC_Font::~CMC_Font()
{
    beginDestruction();
    collection_.reset();
    fonts_.clear();
}

CFontCollection* CMC_Font::collectionNamed(CMC_ObjectsContainer* container, const CXString& name)
{
    auto* font = container != nullptr ? dynamic_cast<CMC_Font*>(container->getObject(name.c_str())) : nullptr;
    return font != nullptr ? font->getFont() : nullptr;
}

CXString** CMC_Font::getBehavioursList()
{
    return signalList().make();
}

CSimpleFont6* CMC_Font::getFontAt(int index) const
{
    return index >= 0 && index < getFontCount() ? fonts_[size_t(index)].get() : nullptr;
}

void CMC_Font::addFont(std::unique_ptr<CSimpleFont6> font, const CXString& family, const CXString& style, int size)
{
    font->setFamily(family);
    font->setStyle(style);
    font->setSize(size);
    collection_->addFont(font.get());
    fonts_.push_back(std::move(font));
}

void CMC_Font::setColor(int color)
{
    if (collection_ != nullptr)
        collection_->setColor(color);
    for (const auto& font : fonts_)
        font->setColor(color);
}

void CMC_Font::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive->isStoring()) {
        *archive << getFontCount();
        for (const auto& font : fonts_)
            *archive << font->getFamily() << font->getStyle() << font->getSize();
        return;
    }
    int count = 0;
    *archive >> &count;
    collection_ = std::make_unique<CFontCollection>(window_);
    fonts_.clear();
    // Only fonts read whole count: a wild count ends with the data.
    for (int i = 0; i < count && archive->LastError() == 0; ++i) {
        CXString family, style;
        int size = 0;
        *archive >> &family >> &style >> &size;
        if (archive->LastError() == 0)
            addFont(std::make_unique<CSimpleFont6>(window_), family, style, size);
    }
}
