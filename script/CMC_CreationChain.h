#pragma once

#include "foundation/CXString.h"

#include <functional>

class CGraphicsObject;
class CMC_Object;
class CMC_ObjectsContainer;
class CMElement;

// What the objects container knows about the TYPE words of definition files: in which pass each
// word is made, whether it is made with the container's scene, and who makes it. The object types
// of the script core are built in; the media, device, network and the remaining script types
// register their creators when their subsystems start, and until then a word of theirs makes
// nothing. Words the chain does not know go to the scene's plug-in resolution.
//
// Also held here: the maker of inline behaviours (handler code in braces) and the accessors that
// give the graphics object of a script object by its type.
class CMC_CreationChain {
public:
    using Creator = std::function<CMC_Object*(CMC_ObjectsContainer* container, CMElement* element)>;
    // An empty object of the word's type, not yet named nor added: what the statement CREATE makes,
    // and what a compiled scene's reader builds before the object reads its record. The script
    // core's types with a stored form have theirs built in.
    using EmptyCreator = std::function<CMC_Object*(CMC_ObjectsContainer* container)>;
    using InlineBehaviourMaker =
        std::function<CMC_Object*(CMC_ObjectsContainer* container, const CXString& name, const CXString& code)>;
    // `part` is the text after "!" in the name looked up (a frame of an animation), null when the
    // name had no "!".
    using GraphicsAccessor =
        std::function<CGraphicsObject*(CMC_Object* object, CMC_ObjectsContainer* container, const CXString* part)>;

    // Pass of a definition word, 1 to 6; every word the chain does not know is made in pass 6.
    static int passOf(const CXString& word);
    static bool isKnownWord(const CXString& word);
    // Made with the container's scene rather than the container: in the passes, and in resolve.
    static bool madeWithSceneInPasses(const CXString& word);
    static bool madeWithSceneInResolve(const CXString& word);
    // Objects the scene calls once per turn (INTERNET).
    static bool isPerFrame(const CXString& word);

    // Sets the creator of a word the chain knows; false (nothing set) for any other word.
    static bool registerCreator(const CXString& word, Creator creator);
    // The object of the element, or null when the word has no creator.
    static CMC_Object* create(const CXString& word, CMC_ObjectsContainer* container, CMElement* element);

    // Sets the maker of empty objects of a word the chain knows; false (nothing set) for any other.
    static bool registerEmptyCreator(const CXString& word, EmptyCreator creator);
    // The maker itself (empty when the word has none), for a reader that makes many objects.
    static EmptyCreator emptyCreatorOf(const CXString& word);
    // The empty object, or null when the word has no such maker.
    static CMC_Object* createEmpty(const CXString& word, CMC_ObjectsContainer* container);

    static void setInlineBehaviourMaker(InlineBehaviourMaker maker);
    // Null while no maker is set.
    static CMC_Object* makeInlineBehaviour(CMC_ObjectsContainer* container, const CXString& name, const CXString& code);

    static void registerGraphicsAccessor(int type, GraphicsAccessor accessor);
    static bool hasGraphicsAccessor(int type);
    static CGraphicsObject* graphicsOf(CMC_Object* object, CMC_ObjectsContainer* container, const CXString* part);

    // Back to the built-in creators, empty-object makers and inline behaviours only: no graphics
    // accessors.
    static void reset();
};
