// qd42ehsi's static data: header and element chain. It has no mouse areas.
#include "module_hooks.h"
#include "qd42ehsi.h"
#include "situation_chain.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

constexpr situation::Layout kLayout = {
    .gauge = &qd42ehsi_gauge.header,
    .background_id = 16384,
    .shift_down = 0,
    .card_failures = situation::kCompassCardFailures,
};

using Chain = situation::Chain<kLayout>;

}  // namespace

constinit GaugeHeaderLater qd42ehsi_gauge = {
    .header = {.version = kHeaderVersion2bc,
               .name = "qd42ehsi",
               .element_list = Chain::element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 432,
               .mouse_list = nullptr,
               .gauge_callback = nullptr},
};

}  // namespace efdisplay
