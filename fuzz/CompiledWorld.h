#pragma once

// What the compiled-file targets read in: the data folder of drive C: current, the script pools
// and method tables, window services without a window, and the manual clock. Made once.
#include "fuzz/ScratchDrive.h"
#include "foundation/CFile.h"
#include "platform/Clock.h"
#include "platform/ManualClock.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_VariableFactory.h"
#include "tests/script/TestWindowServices.h"

#include <cstdint>
#include <string>

struct CompiledWorld {
    CompiledWorld()
    {
        platform::setClock(&clock);
        CWindowServices::install(&window);
        CMC_VariableFactory::initialize();
        CMC_RunnerFactory::initialize();
        drive.folder.write("Dane/.keep", "");
        CFile::chDir("C:\\Dane");
    }

    // The bytes as a file of the data folder.
    void write(const char* name, const uint8_t* data, size_t size)
    {
        drive.folder.write(std::string("Dane/") + name, std::string(reinterpret_cast<const char*>(data), size));
    }
    // One turn's worth of what the engine host returns to the pools and sweeps.
    void sweep()
    {
        CMC_Behaviour::flushTrash();
        window.emptyTrash();
        CMC_VariableFactory::clearPool();
    }

    platform::ManualClock clock;
    scripttest::TestWindowServices window;
    ScratchDrive drive;
};
