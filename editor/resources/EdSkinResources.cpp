#include "EdSkinResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitSkin()
{
    Q_INIT_RESOURCE(skin);
}

void EdInitSkinResources()
{
    static const bool done = (InitSkin(), true);
    (void)done;
}
