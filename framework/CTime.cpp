#include "framework/CTime.h"

CTime CTime::GetCurrentTime()
{
    return CTime(std::time(nullptr));
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    struct tm* target = ptm ? ptm : &m_localTm;
#ifdef _WIN32
    const bool ok = localtime_s(target, &m_time) == 0;
#else
    const bool ok = localtime_r(&m_time, target) != nullptr;
#endif
    return ok ? target : nullptr;
}
