#pragma once

#include "Tessarine.h"

#include <atomic>
#include <cstdint>

namespace tessarine {

// The context made by tsrCreate; only the caller's thread uses this pointer.
tagTESSARINECONTEXT*& context();
// The context through which the input finds its target; set when the output opens. The input
// thread reads the output device manager through it, which the context only changes while the
// input is closed.
std::atomic<tagTESSARINECONTEXT*>& publishedContext();
// Non-zero: input is posted to the target.
std::atomic<std::intptr_t>& postingSwitch();

// The steps of tsrPreInitialize and tsrFinalize, shared with tsrCreate and tsrDestroy.
void preInitializeContext(tagTESSARINECONTEXT& context);
std::int32_t finalizeContext(tagTESSARINECONTEXT& context);

// Makes the context the one that events, the input and the sequencer reach, and undoes that
// before the context is freed.
void publishContext(tagTESSARINECONTEXT& context);
void unpublishContext(tagTESSARINECONTEXT& context);

} // namespace tessarine
