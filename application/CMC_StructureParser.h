#pragma once

#include "foundation/CXObject.h"
#include "script/CMC_ObjectRef.h"

#include <vector>

class CMC_Application;
class CMC_Object;
class CWindow;

// Turns the application definition ("application.def") into the application tree: one object per
// SCENE, EPISODE and APPLICATION element, linked by the names they list. Scenes are built first,
// then episodes, then the application, whatever the order of the file.
//
// It also brackets the life of the script runtime's shared factories (the pools of temporaries,
// the runners): they start when the parser is made and end when it is deleted, which must come
// after the application is deleted. The application belongs to whoever takes it; the parser
// deletes only what no tree took.
class CMC_StructureParser : public CXObject {
public:
    CMC_StructureParser(CWindow* window, const CXString& fileName);
    ~CMC_StructureParser() override;
    CMC_StructureParser(const CMC_StructureParser&) = delete;
    CMC_StructureParser& operator=(const CMC_StructureParser&) = delete;

    // The application built (the last APPLICATION element); null when the file gave none.
    CMC_Application* getMCApplication();
    // The first object built under exactly that name; null when none.
    CMC_Object* get(const CXString& name);

protected:
    CMC_Application* load(const CXString& fileName);

private:
    CWindow* window_;
    CMC_Application* application_ = nullptr;
    std::vector<CMC_ObjectRef> objects_;
};
