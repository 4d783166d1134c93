#include "EdMessageBox.h"

#include <utility>

namespace {
EdMessageBoxFunction& Installed()
{
    static EdMessageBoxFunction function;
    return function;
}
} // namespace

void EdMessageBox(const QString& text)
{
    if (Installed())
        Installed()(text);
}

EdMessageBoxFunction EdSetMessageBoxFunction(EdMessageBoxFunction function)
{
    return std::exchange(Installed(), std::move(function));
}
