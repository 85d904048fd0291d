#include "app/editorresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerBundles() {
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(art);
#ifdef Q_OS_WIN
    Q_INIT_RESOURCE(qtconf);
#endif
}

void registerEditorResources() {
    static const bool registered = (registerBundles(), true);
    Q_UNUSED(registered);
}
