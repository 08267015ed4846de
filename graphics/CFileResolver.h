#pragma once

#include "foundation/CSharedMedium.h"
#include "foundation/CXString.h"

// The file-name side of every loaded medium (images, animations, sounds): the name it was loaded
// from, whether it is loaded now, and whether it should be freed once it is hidden. The resources
// manager shares media through it by file name.
class CFileResolver : public CSharedMedium {
public:
    CFileResolver() = default;
    CFileResolver(const CFileResolver&) = default;
    CFileResolver& operator=(const CFileResolver&) = default;
    ~CFileResolver() override = default;

    virtual void setFilename(const CXString& name) { fileName_ = name; }
    CXString getFileName() const override { return fileName_; }
    virtual bool isLoaded() const { return loaded_; }
    // Asks the medium to free its data when it is hidden (and load it again when shown).
    virtual void toRelease(bool release) { releaseAfterUse_ = release; }
    virtual bool releaseAfterUse() const { return releaseAfterUse_; }

protected:
    void load() { loaded_ = true; }
    void release() { loaded_ = false; }

private:
    CXString fileName_;
    bool loaded_ = false;
    bool releaseAfterUse_ = false;
};
