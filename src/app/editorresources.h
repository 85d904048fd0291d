#pragma once

// Registers the resource bundles embedded in the editor library: the icons, the drawn splash
// pictures and window icon, and (on Windows) the toolkit configuration. A static library's
// bundles are not registered by themselves; start-up and the tests call this once, later calls
// do nothing.
void registerEditorResources();
