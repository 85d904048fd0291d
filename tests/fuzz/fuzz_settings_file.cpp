#include "gamedata/settingsfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    SettingsFile settings;
    settings.parse(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    settings.getInt("Global Settings", "Language", -1);
    settings.setText("Campaign Editor", "Path", "x");
    // Writing back and reading again keeps every setting.
    SettingsFile again;
    again.parse(settings.serialize());
    if (again.getText("Campaign Editor", "Path") != "x")
        __builtin_trap();
    return 0;
}
