#include "TessarineLoaderUi.h"

#include "Tessarine.h"
#include "TessarineText.h"

#include <cstdio>
#include <mutex>
#include <vector>

namespace tessarine {

namespace {

std::mutex g_mutex;
TessarineMessageBoxFunction g_messageBox = nullptr;
void* g_messageBoxContext = nullptr;
TessarineFileChooserFunction g_chooser = nullptr;
void* g_chooserContext = nullptr;

} // namespace

void showMessage(const wchar_t* text)
{
    TessarineMessageBoxFunction function;
    void* context;
    {
        std::lock_guard lock(g_mutex);
        function = g_messageBox;
        context = g_messageBoxContext;
    }
    if (function) {
        function(text, context);
        return;
    }
    std::fprintf(stderr, "%s\n", wideToUtf8(text).c_str());
}

bool chooseFile(const wchar_t* filter, std::wstring& path)
{
    TessarineFileChooserFunction function;
    void* context;
    {
        std::lock_guard lock(g_mutex);
        function = g_chooser;
        context = g_chooserContext;
    }
    if (!function)
        return false;
    std::vector<wchar_t> buffer(4096, L'\0');
    if (function(filter, buffer.data(), buffer.size(), context) == 0)
        return false;
    buffer.back() = L'\0';
    path = buffer.data();
    return !path.empty();
}

} // namespace tessarine

extern "C" {

void tsrSetMessageBoxFunction(TessarineMessageBoxFunction pfnMessageBox, void* pContext)
{
    std::lock_guard lock(tessarine::g_mutex);
    tessarine::g_messageBox = pfnMessageBox;
    tessarine::g_messageBoxContext = pContext;
}

void tsrSetFileChooserFunction(TessarineFileChooserFunction pfnChooser, void* pContext)
{
    std::lock_guard lock(tessarine::g_mutex);
    tessarine::g_chooser = pfnChooser;
    tessarine::g_chooserContext = pContext;
}

} // extern "C"
