#pragma once
// The fontconfig alias rules the renderer installs (generated from fonts/aliases.conf).
namespace panel_host {
extern const char kFontAliasesConf[];
}
