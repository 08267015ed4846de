#include "platform/HeadlessPlatform.h"

#include "platform/SingleInstance.h"

namespace platform {

void HeadlessPlatform::install()
{
    setClock(&clock);
    setTimers(&timers);
    setAudio(&audio);
    setDisplay(&display);
    setWindowSystem(&windowSystem);
    setInput(&input);
    setProgramLauncher(&programs);
    setRegistry(&registry);
    setPrinter(&printer);
    SingleInstance::setFolder(lockFolder_);
}

void HeadlessPlatform::uninstall()
{
    restoreDefaults();
}

} // namespace platform
