#pragma once

#include "foundation/CXArray.h"
#include "foundation/CXObject.h"
#include "foundation/CXVector.h"

class CMediaScreen;
class CSharedMedium;

// Loaded media shared by file name. An object that needs a file asks get() first and counts as a
// user of what it receives; otherwise it loads the file itself and adds the medium, which the
// manager owns from then on. Each user gives the medium back with remove(); the last one's return
// deletes it. File names match without regard to letter case (code page 1250).
//
// Managers nest: one that does not hold a name asks the managers added to it, in order, so a
// scene's manager can fall back to the application's. Nested managers are not owned; a manager
// that is destroyed unlinks itself from every manager it is nested in. Main thread only.
class CResourcesManager : public CXObject {
public:
    // `screen` (may be null) is where media are taken off before they are deleted.
    explicit CResourcesManager(CMediaScreen* screen);
    ~CResourcesManager() override;
    CResourcesManager(const CResourcesManager&) = delete;
    CResourcesManager& operator=(const CResourcesManager&) = delete;

    // A new entry with the medium's current file name and one user. Several entries may carry the
    // same name (get finds the first); adding a medium this manager already holds counts one more
    // user of its entry instead, so it can never be deleted twice.
    void add(CSharedMedium* medium);
    // The same, placed at `index` of the entries (clamped to the list).
    void insertAt(CSharedMedium* medium, int index);
    // Links a manager to fall back on. A null manager, this one, one already linked, or one that
    // would make the chain loop back here is not linked.
    void add(CResourcesManager* manager);

    // The first medium loaded from `name` here, else from the nested managers in order; the
    // manager that holds it counts one more user. Null when nobody has it.
    CSharedMedium* get(const CXString& name);
    // True when an entry of this manager holds exactly that medium.
    bool contains(const CSharedMedium* medium) const;
    // The users of the medium here or in a nested manager; 0 when none holds it.
    int getUseCount(const CSharedMedium* medium) const;
    // One user fewer. At none the medium is hidden, taken off the screen and deleted: true. False
    // while users remain or when neither this manager nor its nested ones hold the medium.
    bool remove(CSharedMedium* medium);
    // Flushes the nested managers and unlinks them (they stay usable), then deletes every medium
    // held here whatever its count, without hiding it or touching the screen.
    void flush();

private:
    struct Entry;

    void insertEntry(CSharedMedium* medium, int index);
    Entry* entryAt(int index) const;
    int indexOf(const CSharedMedium* medium) const;
    CResourcesManager* nestedAt(int index) const;
    // True when this manager or one nested below it holds the medium.
    bool holds(const CSharedMedium* medium) const;
    bool reaches(const CResourcesManager* manager) const;
    void unlinkNested();
    void deleteEntry(int index);

    CXArray entries_;
    CXVector nested_;
    // The managers this one is nested in, so destruction can unlink it from them.
    CXVector nestedIn_;
    CMediaScreen* screen_;
};
