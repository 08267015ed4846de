#pragma once

#include "plugins/extension/CMC_ExtensionRunner.h"

#include <string>
#include <unordered_map>
#include <vector>

// The runner of KEYMAPPER, which keeps the mappings of every KEYMAPPER object.
//
// SETKEYMAPPING(key, name) maps the key onto the name; a key's first mapping stays in force, and
// a key mapped twice onto one name is listed twice. MAPKEY(key) gives the key's name, or the key
// itself; GETLATESTKEY() the same for the KEYBOARD object's latest key. ISKEYDOWN(name) asks the
// window's keyboard about the name and every key mapped onto it, while the KEYBOARD object is
// enabled; a name nothing was mapped onto is asked about alone, enabled or not. Without a KEYBOARD
// object, GETLATESTKEY gives "" and ISKEYDOWN FALSE.
class CMC_KeyMapper_Runner final : public CMC_ExtensionRunner {
public:
    enum Method { SHOW = 1, SETKEYMAPPING = 2, GETLATESTKEY = 3, MAPKEY = 4, ISKEYDOWN = 5, EMPTY = 6 };

    CMC_KeyMapper_Runner() : CMC_ExtensionRunner(7) {}
    void prepareMthHashSet() override;

private:
    CMC_Variable* setKeyMapping(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* getLatestKey(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* mapKey(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* isKeyDown(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments);

    // The key's name; the key itself when it has none.
    CXString mapped(const CXString& key) const;

    // Key -> the name it was first mapped onto.
    std::unordered_map<std::string, std::string> forward_;
    // Name -> the name itself, then every key mapped onto it in the order mapped.
    std::unordered_map<std::string, std::vector<std::string>> reverse_;
};
