// This module's import record: it asks for the panel-service table, whose address the host
// writes into word 1 before it calls anything in the module.
#include "panel_abi/services.h"

panel_abi::ImportTable ImportTable = {
    {panel_abi::kImportPanelServices, nullptr},
    {0, nullptr},
};
