#pragma once

// Registers the skin images (":/skin/<id>.png") with Qt's resource system. Safe to call often;
// the image loader calls it, so anything that loads an image finds the skin.
void EdInitSkinResources();
