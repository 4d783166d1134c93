#pragma once

#include <string>

namespace tessarine {

// The loader's message box: the caller's function, or standard error.
void showMessage(const wchar_t* text);
// The caller's file chooser; false when there is none or the user cancelled.
bool chooseFile(const wchar_t* filter, std::wstring& path);

} // namespace tessarine
