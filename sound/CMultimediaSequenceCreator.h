#pragma once

#include "foundation/CXObject.h"

class CMElements;
class CPlayable;
class CPlayableObserver;
class CResourcesManager;
class CStringTokenizer;
class CTreeSequenceElements;
class CWindow;

// Reads sequence definition files into trees of playables. A file is text, one statement a line,
// split at " ", "=", ":" and line ends alike; a line starting with "#" is a comment. "NAME" and a
// name declare an entry; a line starting with a declared name sets one property of it (TYPE,
// FILENAME, EVENT, SHOW, HIDE, MODE, SEQEVENT, ANIMOFN, WAVFN, STARTING, ENDING, PREFIX, ADD,
// SEQUENCE, WAIT). Everything takes effect in file order, so FILENAME and EVENT count only before
// a SIMPLE entry's TYPE. Anything else is ignored without a word. The result is the entry named
// after the file (its name without folder and extension, letter case counting).
//
// Also: the same trees built from parsed definition elements, and the character code of a child
// index that sequences decode.
class CMultimediaSequenceCreator : public CXObject {
public:
    // Loads the file; the destructor deletes the result unless it is to be kept or the resources
    // manager holds it.
    CMultimediaSequenceCreator(CWindow* window, const CXString& fileName, CResourcesManager* resources,
                               CPlayableObserver* observer, bool keepPlayable);
    ~CMultimediaSequenceCreator() override;
    CMultimediaSequenceCreator(const CMultimediaSequenceCreator&) = delete;
    CMultimediaSequenceCreator& operator=(const CMultimediaSequenceCreator&) = delete;

    CPlayable* getPlayable() const { return playable_; }

    // The root playable of the file, the caller's unless it is a sound the resources manager
    // holds; null when the file cannot be read or has no entry named after it. Animations and
    // sounds are shared through `resources` (may be null); `observer` is the generic notifier of
    // every playable a TYPE line makes.
    static CPlayable* load(CWindow* window, const CXString& fileName, CResourcesManager* resources, CPlayableObserver* observer);
    // The playable of the element of that name with the playables of its child elements below
    // it, each made anew; null when there is no such element or its type makes no playable.
    static CPlayable* create(CWindow* window, CMElements* elements, const CXString& name);
    // Not offered: writes nothing, false.
    static bool save(CPlayable* playable, const CXString& fileName);
    // The character that names a child index: "1"-"9" for 0 to 8, "A"-"Z" for 9 to 34, "a" and on
    // from 35 (up to 65); "0", which names no child, for any other index.
    static char getParameter(int index);

private:
    // One line's statement.
    static void readLine(CTreeSequenceElements& tree, const CXString& line, CPlayableObserver* observer);
    static void setProperty(CTreeSequenceElements& tree, const CXString& name, const CXString& key,
                            CStringTokenizer& values, CPlayableObserver* observer);
    static CPlayable* createBelow(CWindow* window, CMElements* elements, const CXString& name, int depth, int& budget);

    CPlayable* playable_;
    CResourcesManager* resources_;
    bool keepPlayable_;
};
