#include "sound/CMultimediaSequenceCreator.h"

#include "foundation/CFile.h"
#include "foundation/CFileNameResolver.h"
#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "foundation/CResourcesManager.h"
#include "foundation/CStringTokenizer.h"
#include "sound/CMElementCreator.h"
#include "sound/CSequencedPlayable.h"
#include "sound/CTreeSequenceElements.h"

#include <memory>
#include <vector>

namespace {

// A value that must be "TRUE" or "FALSE"; false for any other, with nothing stored.
bool readBool(CStringTokenizer& values, bool* value)
{
    const CXString word = values.nextToken();
    *value = word.equals("TRUE");
    return *value || word.equals("FALSE");
}

} // namespace

CMultimediaSequenceCreator::CMultimediaSequenceCreator(CWindow* window, const CXString& fileName, CResourcesManager* resources,
                                                       CPlayableObserver* observer, bool keepPlayable)
    : playable_(load(window, fileName, resources, observer)), resources_(resources), keepPlayable_(keepPlayable)
{
}

CMultimediaSequenceCreator::~CMultimediaSequenceCreator()
{
    const bool shared = resources_ != nullptr && resources_->contains(static_cast<CSharedMedium*>(playable_));
    if (!keepPlayable_ && !shared)
        delete playable_;
}

CPlayable* CMultimediaSequenceCreator::load(CWindow* window, const CXString& fileName, CResourcesManager* resources,
                                            CPlayableObserver* observer)
{
    CTreeSequenceElements tree(window, resources);
    CFile file(window, fileName, CFile::READ);
    std::vector<char> line(CFile::LINE_BUFFER);
    while (file.LastError() == 0 && file.GetLine(line.data(), static_cast<int>(line.size())))
        readLine(tree, CXString(line.data()), observer);
    file.Close();
    CFileNameResolver resolver(fileName);
    CPlayable* root = tree.takeRoot(resolver.getPureFileName());
    if (root != nullptr)
        root->setFilename(fileName);
    return root;
}

void CMultimediaSequenceCreator::readLine(CTreeSequenceElements& tree, const CXString& line, CPlayableObserver* observer)
{
    if (line.GetAt(0) == '#')
        return;
    CStringTokenizer tokens(line, " =\n:");
    const CXString first = tokens.nextToken();
    const bool declaration = first.equals("NAME");
    const CXString declared = declaration ? tokens.nextToken() : CXString();
    if (declaration && !tree.contains(declared))
        tree.add(declared);
    // Once an entry is called NAME, every declaration is also a property line of it, the declared
    // name its key.
    if (tree.contains(first))
        setProperty(tree, first, declaration ? declared : tokens.nextToken(), tokens, observer);
}

void CMultimediaSequenceCreator::setProperty(CTreeSequenceElements& tree, const CXString& name, const CXString& key,
                                             CStringTokenizer& values, CPlayableObserver* observer)
{
    bool flag = false;
    if (key.equals("TYPE")) {
        tree.setType(name, values.nextToken());
        tree.create(tree.find(name), observer);
    } else if (key.equals("FILENAME")) {
        tree.setFileName(name, values.nextToken());
    } else if (key.equals("EVENT")) {
        tree.setEvent(name, values.nextToken());
    } else if (key.equals("SHOW")) {
        tree.show(name);
    } else if (key.equals("HIDE")) {
        tree.hide(name);
    } else if (key.equals("MODE")) {
        tree.setMode(name, values.nextToken());
    } else if (key.equals("SEQEVENT")) {
        const CXString event = values.nextToken();
        tree.addSequenceEvent(name, values.nextToken(), event);
    } else if (key.equals("ANIMOFN")) {
        tree.setAnimoFN(name, values.nextToken());
    } else if (key.equals("WAVFN")) {
        tree.setWAVFN(name, values.nextToken());
    } else if (key.equals("STARTING")) {
        if (readBool(values, &flag))
            tree.setStarting(name, flag);
    } else if (key.equals("ENDING")) {
        if (readBool(values, &flag))
            tree.setEnding(name, flag);
    } else if (key.equals("PREFIX")) {
        tree.setPrefix(name, values.nextToken());
    } else if (key.equals("ADD")) {
        tree.add(name, values.hasMoreTokens() ? values.nextToken() : CXString("ROOT"));
    } else if (key.equals("SEQUENCE")) {
        tree.setSequence(name, key, values.nextToken());
    } else if (key.equals("WAIT")) {
        if (readBool(values, &flag))
            tree.setWaitMode(name, flag);
    }
}

CPlayable* CMultimediaSequenceCreator::create(CWindow* window, CMElements* elements, const CXString& name)
{
    int budget = CTreeSequenceElements::MAX_PATHS;
    return elements != nullptr ? createBelow(window, elements, name, 0, budget) : nullptr;
}

CPlayable* CMultimediaSequenceCreator::createBelow(CWindow* window, CMElements* elements, const CXString& name, int depth,
                                                   int& budget)
{
    // Every child element is made anew wherever it is named: a loop of names, or names repeated
    // at every level, would make playables without end.
    CMElement* element = elements->get(name);
    if (element == nullptr || depth > CTreeSequenceElements::MAX_DEPTH || budget <= 0)
        return nullptr;
    CPlayable* playable = CMElementCreator::createPlayable(window, element);
    if (playable == nullptr)
        return nullptr;
    --budget;
    CSequencedPlayable* sequence = CSequencedPlayable::asSequence(playable);
    CMElements* children = element->getChildren();
    for (int i = 0; sequence != nullptr && children != nullptr && i < children->getSize(); ++i) {
        CMElement* child = children->getAt(i);
        if (CPlayable* made = child != nullptr ? createBelow(window, elements, child->getName(), depth + 1, budget) : nullptr)
            sequence->addChild(made);
    }
    playable->setName(name);
    return playable;
}

bool CMultimediaSequenceCreator::save(CPlayable*, const CXString&)
{
    return false;
}

char CMultimediaSequenceCreator::getParameter(int index)
{
    if (index >= 0 && index <= 8)
        return static_cast<char>('1' + index);
    if (index >= 9 && index <= 34)
        return static_cast<char>('A' + index - 9);
    if (index >= 35 && index <= 65)
        return static_cast<char>('a' + index - 35);
    return '0';
}
