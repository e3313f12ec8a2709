// Installs the host's font aliases into fontconfig's current configuration.
#include <fontconfig/fontconfig.h>

#include "font_aliases.h"
#include "panel_host/renderer.h"

namespace panel_host {

void install_font_aliases() {
    static const bool installed = [] {
        FcConfig* config = FcConfigGetCurrent();
        return FcConfigParseAndLoadFromMemory(
                   config, reinterpret_cast<const FcChar8*>(kFontAliasesConf), FcTrue) == FcTrue;
    }();
    (void)installed;
}

}  // namespace panel_host
