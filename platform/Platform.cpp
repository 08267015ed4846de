#include "platform/Platform.h"

#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/Input.h"
#include "platform/Printer.h"
#include "platform/ProgramLauncher.h"
#include "platform/Registry.h"
#include "platform/SingleInstance.h"
#include "platform/TimerService.h"
#include "platform/WindowSystem.h"

namespace platform {

void Platform::restoreDefaults()
{
    setClock(nullptr);
    setTimers(nullptr);
    setAudio(nullptr);
    setDisplay(nullptr);
    setWindowSystem(nullptr);
    setInput(nullptr);
    setProgramLauncher(nullptr);
    setRegistry(nullptr);
    setPrinter(nullptr);
    SingleInstance::setFolder("");
}

} // namespace platform
