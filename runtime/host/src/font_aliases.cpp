// Installs the host's font aliases into fontconfig's current configuration.
#include <cairo.h>
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

void release_drawing_caches() {
    cairo_debug_reset_static_data();
    FcFini();
}

}  // namespace panel_host
