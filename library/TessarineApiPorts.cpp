#include "TessarineApiGuard.h"
#include "TessarineErrors.h"
#include "TessarineWait.h"
#include "ports/PortLayerChoice.h"

using namespace tessarine;

extern "C" {

const wchar_t* tsrGetErrorName(std::int32_t code)
{
    return errorName(code);
}

std::int32_t tsrSetPortLayer(std::int32_t kind)
{
    return guarded(0, [&] { return setPortLayerKind(kind) ? 1 : 0; });
}

std::int32_t tsrGetPortLayer()
{
    return guarded(static_cast<std::int32_t>(TESSARINE_PORTS_NONE), [] { return portLayerKind(); });
}

const char* tsrGetPortLayerName()
{
    return guarded(static_cast<const char*>("none"), [] { return currentPortLayer()->name(); });
}

void tsrSetWaitFunction(TessarineWaitFunction pfnWait, void* pContext)
{
    guarded(0, [&] {
        setWaitFunction(pfnWait, pContext);
        return 0;
    });
}

} // extern "C"
