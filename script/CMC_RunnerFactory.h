#pragma once

#include <functional>

class CMC_Object;
class CMC_Runner;

// Keeps one runner per script type for the whole run and hands out the runner of a type
// identifier. The runners of the script core are built in; those of the media, device,
// application and network types belong to their subsystems, which register a maker for their
// identifier before initialize. A row without a maker stays null, and calls on its objects are
// skipped like any call without a runner.
class CMC_RunnerFactory {
public:
    using Maker = std::function<CMC_Runner*()>;

    // Makes every runner that has a maker, in the table's order, preparing each method table right
    // after constructing it. Again after done, or a second time (the first set is done first).
    static void initialize();
    // Deletes every runner, in the same order, and empties the statics.
    static void done();
    // The runner of the type; null for a type without one and outside initialize .. done.
    static CMC_Runner* getRunner(int type);
    // The factory's runner for the object's type, else the object's own (plug-in types).
    static CMC_Runner* getRunnerFor(CMC_Object* object);

    // Sets the maker of the runner that serves this identifier; false for an identifier no row
    // serves. Takes effect at the next initialize.
    static bool registerRunner(int type, Maker maker);
    // Back to the built-in makers only.
    static void resetRegistrations();

    static CMC_Runner* pAnimoRunner;
    static CMC_Runner* pAppRunner;
    static CMC_Runner* pArrayRunner;
    static CMC_Runner* pBehaviourRunner;
    static CMC_Runner* pButtonRunner;
    static CMC_Runner* pCORunner;
    static CMC_Runner* pCNVLoaderRunner;
    static CMC_Runner* pConditionRunner;
    static CMC_Runner* pDialogRunner;
    static CMC_Runner* pEditBoxRunner;
    static CMC_Runner* pEpisodeRunner;
    static CMC_Runner* pFontRunner;
    static CMC_Runner* pGroupRunner;
    static CMC_Runner* pImageRunner;
    static CMC_Runner* pKeyboardRunner;
    static CMC_Runner* pMouseRunner;
    static CMC_Runner* pRandRunner;
    static CMC_Runner* pSceneRunner;
    static CMC_Runner* pSequenceRunner;
    static CMC_Runner* pSoundRunner;
    static CMC_Runner* pSystemRunner;
    static CMC_Runner* pTextRunner;
    static CMC_Runner* pTimerRunner;
    static CMC_Runner* pVariableRunner;
    static CMC_Runner* pNetServerRunner;
    static CMC_Runner* pNetClientRunner;
    static CMC_Runner* pDummyRunner;
    static CMC_Runner* pFilterRunner;
    static CMC_Runner* pStaticFilterRunner;
    static CMC_Runner* pVectorRunner;
    static CMC_Runner* pPathRunner;
    static CMC_Runner* pQueneRunner;
    static CMC_Runner* pCanvasRunner;
    static CMC_Runner* pPatternRunner;
    static CMC_Runner* pScrollRunner;
    static CMC_Runner* pStructureRunner;
    static CMC_Runner* pDatabaseRunner;
    static CMC_Runner* pClassRunner;
    static CMC_Runner* pVGORunner;
    static CMC_Runner* pMultiArrayRunner;
    static CMC_Runner* pJoystickRunner;
    static CMC_Runner* pMovieRunner;
    static CMC_Runner* pGrBufferRunner;
    static CMC_Runner* pInternetRunner;
};
