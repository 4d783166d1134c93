#pragma once

#include <QString>

#include <functional>

// The one way non-window code shows a message box (OK button only). The shell installs a
// function that opens the real box; tests install one that records the text. With nothing
// installed the call does nothing, so code without a window never blocks on a box.
using EdMessageBoxFunction = std::function<void(const QString& text)>;

void EdMessageBox(const QString& text);
// Returns the function that was installed before.
EdMessageBoxFunction EdSetMessageBoxFunction(EdMessageBoxFunction function);
