#pragma once

#include "script/CMC_Object.h"

#include <memory>
#include <vector>

class CFontCollection;
class CSimpleFont6;
class CSignalList;
class CWindow;

// The FONT script object (type 2002): bitmap fonts gathered into one collection that TEXT and
// EDITBOX objects draw with. Each definition key "DEF_<family>_<style>_<size>" (upper case as
// written) names a font file; the object makes one font of it, labelled with the key's parts.
// The object owns the collection and the fonts.
//
// The stored record keeps each font's family, style and size but not its file: a FONT read back
// from it has labelled fonts without letters.
class CMC_Font : public CMC_Object {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL".
    static const CSignalList& signalList();
    // The collection of the container's FONT object of that name; null when none.
    static CFontCollection* collectionNamed(CMC_ObjectsContainer* container, const CXString& name);

    // Empty, to be restored from the scene archive or made by CREATE.
    explicit CMC_Font(CMC_ObjectsContainer* container);
    CMC_Font(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Font() override;

    CXString** getBehavioursList() override;
    // Count, then family, style and size of each font in order.
    void serialize(CXArchive* archive) override;

    // Null in an empty object.
    CFontCollection* getFont() const { return collection_.get(); }
    int getFontCount() const { return int(fonts_.size()); }
    CSimpleFont6* getFontAt(int index) const;
    // Of the collection and of every font.
    void setColor(int color);

private:
    void addFont(std::unique_ptr<CSimpleFont6> font, const CXString& family, const CXString& style, int size);

    CWindow* window_;
    std::unique_ptr<CFontCollection> collection_;
    std::vector<std::unique_ptr<CSimpleFont6>> fonts_;
};
