#include "application/CMC_System.h"

#include "foundation/PrintfFormat.h"
#include "platform/Clock.h"
#include "platform/Processor.h"
#include "script/CMC_TypeIds.h"

#include <chrono>

namespace {

const char* const kDayNames[] = {"Niedziela", "Poniedzialek", "Wtorek", "Sroda", "Czwartek", "Piatek", "Sobota"};
const char* const kMonthNames[] = {"Styczen", "Luty",     "Marzec",    "Kwiecien", "Maj",      "Czerwiec",
                                   "Lipiec",  "Sierpien", "Wrzesien", "Pazdziernik", "Listopad", "Grudzien"};

constexpr uint64_t kMeasuredMs = 50;

// The calendar's now, broken down as UTC.
struct UtcTime {
    int year;
    // 1 to 12.
    int month;
    int day;
    // 0 for Sunday.
    int weekday;
    int hour;
    int minute;
    int second;
};

UtcTime utcNow()
{
    using namespace std::chrono;
    const sys_seconds now{seconds{platform::clock().wallClockSeconds()}};
    const sys_days today = floor<days>(now);
    const year_month_day date{today};
    const hh_mm_ss time{now - today};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(weekday{today}.c_encoding()),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

// Time-stamp cycles over `ticks` of the performance counter. Each look at the counter lets the
// clock sleep a little, so a clock that only moves when slept (tests) still ends the wait; the
// time-stamp counter counts on meanwhile.
uint64_t cyclesOver(platform::Clock& clock, uint64_t ticks)
{
    const uint64_t startCycles = platform::timeStampCounter();
    const uint64_t start = clock.performanceCounter();
    while (clock.performanceCounter() - start < ticks)
        clock.sleepUs(1);
    return platform::timeStampCounter() - startCycles;
}

} // namespace

CMC_System::CMC_System(CMC_ObjectsContainer* container) : CMC_Object("SYSTEM", script::TYPE_SYSTEM)
{
    setScene(container);
}

int CMC_System::getSystemTime()
{
    return static_cast<int>(platform::clock().tickMs());
}

int CMC_System::getMHz()
{
    platform::Clock& clock = platform::clock();
    int64_t cycles = 0;
    {
        platform::TopPriority priority;
        const auto waited = static_cast<int64_t>(cyclesOver(clock, clock.performanceFrequency() / 1000 * kMeasuredMs));
        // The same steps with no wait: what measuring itself costs.
        const auto overhead = static_cast<int64_t>(cyclesOver(clock, 0));
        cycles = waited - overhead;
    }
    return static_cast<int>(cycles / static_cast<int64_t>(kMeasuredMs) / 1000);
}

int CMC_System::getDate()
{
    const UtcTime now = utcNow();
    return (now.year - 2000) * 10000 + now.month * 100 + now.day;
}

CXString CMC_System::getDateString()
{
    const UtcTime now = utcNow();
    const foundation::FormatArgument arguments[] = {now.day, kMonthNames[now.month - 1], now.year};
    return CXString(foundation::formatText("%d/%s/%d", arguments, 3).c_str());
}

int CMC_System::getDay()
{
    return utcNow().day;
}

int CMC_System::getDayOfWeek()
{
    return utcNow().weekday + 1;
}

CXString CMC_System::getDayOfWeekString()
{
    return kDayNames[utcNow().weekday];
}

int CMC_System::getMonth()
{
    return utcNow().month;
}

CXString CMC_System::getMonthString()
{
    return kMonthNames[utcNow().month - 1];
}

int CMC_System::getYear()
{
    return utcNow().year;
}

CXString CMC_System::getTimeString()
{
    const UtcTime now = utcNow();
    const foundation::FormatArgument arguments[] = {now.hour, now.minute};
    return CXString(foundation::formatText("%d:%d", arguments, 2).c_str());
}

int CMC_System::getHour()
{
    return utcNow().hour;
}

int CMC_System::getMinutes()
{
    return utcNow().minute;
}

int CMC_System::getSeconds()
{
    return utcNow().second;
}
