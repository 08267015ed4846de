#include "application/CMC_System_Runner.h"

#include "application/CMC_System.h"
#include "application/CWebInstallLink.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CCommandLineSource.h"
#include "foundation/CFile.h"
#include "foundation/CPath.h"
#include "graphics/CWindow.h"
#include "platform/Clock.h"
#include "platform/DebugOutput.h"
#include "platform/Files.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

namespace {

const struct {
    const char* name;
    int id;
} kMethods[] = {
    {"GETDATE", CMC_System_Runner::GETDATE},
    {"GETDATESTRING", CMC_System_Runner::GETDATESTRING},
    {"GETDAY", CMC_System_Runner::GETDAY},
    {"GETDAYOFWEEK", CMC_System_Runner::GETDAYOFWEEK},
    {"GETDAYOFWEEKSTRING", CMC_System_Runner::GETDAYOFWEEKSTRING},
    {"GETMONTH", CMC_System_Runner::GETMONTH},
    {"GETMONTHSTRING", CMC_System_Runner::GETMONTHSTRING},
    {"GETYEAR", CMC_System_Runner::GETYEAR},
    {"GETTIMESTRING", CMC_System_Runner::GETTIMESTRING},
    {"GETHOUR", CMC_System_Runner::GETHOUR},
    {"GETMINUTES", CMC_System_Runner::GETMINUTES},
    {"GETSECONDS", CMC_System_Runner::GETSECONDS},
    {"GETSYSTEMTIME", CMC_System_Runner::GETSYSTEMTIME},
    {"GETMHZ", CMC_System_Runner::GETMHZ},
    {"DELAY", CMC_System_Runner::DELAY},
    {"COPYFILE", CMC_System_Runner::COPYFILE},
    {"MINIMIZE", CMC_System_Runner::MINIMIZE},
    {"ISCMDLINEPARAMETER", CMC_System_Runner::ISCMDLINEPARAMETER},
    {"GETCMDLINEPARAMETER", CMC_System_Runner::GETCMDLINEPARAMETER},
    {"INSTALL", CMC_System_Runner::INSTALL},
    {"UNINSTALL", CMC_System_Runner::UNINSTALL},
};

// The download server: the command line's "server" option, else the built-in address.
CXString downloadServer(const CCommandLine6* commandLine)
{
    return commandLine != nullptr ? commandLine->getServer() : CXString(CCommandLine6::DefaultServer);
}

} // namespace

void CMC_System_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    for (const auto& method : kMethods)
        putMethod(method.name, method.id);
}

CMC_Variable* CMC_System_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* system = dynamic_cast<CMC_System*>(object);
    if (system == nullptr || id < GETDATE || id > UNINSTALL)
        return CMC_Runner::run(id, object, container, arguments);
    if (id <= GETMHZ)
        return runClockMethod(id, system);
    return runHostMethod(id, system, arguments);
}

CMC_Variable* CMC_System_Runner::runClockMethod(int id, CMC_System* system)
{
    switch (id) {
    case GETDATE:
        return CMC_VariableFactory::makeInteger(system->getDate());
    case GETDATESTRING:
        return CMC_VariableFactory::makeString(system->getDateString());
    case GETDAY:
        return CMC_VariableFactory::makeInteger(system->getDay());
    case GETDAYOFWEEK:
        return CMC_VariableFactory::makeInteger(system->getDayOfWeek());
    case GETDAYOFWEEKSTRING:
        return CMC_VariableFactory::makeString(system->getDayOfWeekString());
    case GETMONTH:
        return CMC_VariableFactory::makeInteger(system->getMonth());
    case GETMONTHSTRING:
        return CMC_VariableFactory::makeString(system->getMonthString());
    case GETYEAR:
        return CMC_VariableFactory::makeInteger(system->getYear());
    case GETTIMESTRING:
        return CMC_VariableFactory::makeString(system->getTimeString());
    case GETHOUR:
        return CMC_VariableFactory::makeInteger(system->getHour());
    case GETMINUTES:
        return CMC_VariableFactory::makeInteger(system->getMinutes());
    case GETSECONDS:
        return CMC_VariableFactory::makeInteger(system->getSeconds());
    case GETSYSTEMTIME:
        return CMC_VariableFactory::makeInteger(system->getSystemTime());
    default: // GETMHZ
        return CMC_VariableFactory::makeInteger(system->getMHz());
    }
}

CMC_Variable* CMC_System_Runner::runHostMethod(int id, CMC_System* system, CXVector* arguments)
{
    CWindow* window = CMC_ObjectsContainer::windowOf(system->getScene());
    CCommandLine6* commandLine = CCommandLineSource::current();
    switch (id) {
    case DELAY:
        // A negative wait would be read as some fifty days.
        if (int ms = intArgument(arguments, 0); ms > 0)
            platform::clock().sleepMs(static_cast<uint32_t>(ms));
        return nullptr;
    case COPYFILE:
        return copyFile(window, arguments);
    case MINIMIZE:
        if (window != nullptr && window->GetHwnd() != nullptr)
            window->GetHwnd()->minimize();
        return nullptr;
    case ISCMDLINEPARAMETER:
        return CMC_VariableFactory::makeBool(commandLine != nullptr && commandLine->isParameter(stringArgument(arguments, 0)));
    case GETCMDLINEPARAMETER:
        return CMC_VariableFactory::makeString(commandLine != nullptr ? commandLine->getParameter(stringArgument(arguments, 0)) : CXString());
    case INSTALL:
        install(window, arguments);
        return nullptr;
    default: // UNINSTALL
        uninstall(arguments);
        return nullptr;
    }
}

CMC_Variable* CMC_System_Runner::copyFile(CWindow* window, CXVector* arguments)
{
    CXString from = CPath::resolveFileName(window, stringArgument(arguments, 0));
    CXString to = CPath::resolveFileName(window, stringArgument(arguments, 1));
    return CMC_VariableFactory::makeBool(platform::files().copyFile(from.c_str(), to.c_str(), true));
}

void CMC_System_Runner::install(CWindow* window, CXVector* arguments)
{
    CWebInstallLink* installer = CWebInstallLink::installed();
    if (installer == nullptr) {
        platform::debugOutput().write("SYSTEM^INSTALL: no web installation\n");
        return;
    }
    CXString game = stringArgument(arguments, 0);
    CXString fullName = stringArgument(arguments, 1);
    CPath current(window);
    CFile::chDir(CWindow::exePath);
    installer->installGame(game, fullName, downloadServer(CCommandLineSource::current()));
    CFile::chDir(current.getCurrentPath());
}

void CMC_System_Runner::uninstall(CXVector* arguments)
{
    CWebInstallLink* installer = CWebInstallLink::installed();
    if (installer == nullptr) {
        platform::debugOutput().write("SYSTEM^UNINSTALL: no web installation\n");
        return;
    }
    installer->uninstallGame(stringArgument(arguments, 0));
}
