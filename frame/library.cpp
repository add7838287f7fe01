#include "frame/library.h"

#include "frame/globals.h"
#include "frame/paper.h"
#include "frame/scale.h"

namespace wqj {

Globals& globals() {
    static Globals g;
    return g;
}

void on_process_attach() {
    globals() = Globals{};
    globals().random_state = 0xFFFFFFFFu;
}

void on_process_detach() { globals() = Globals{}; }

int32_t LIBMAIN(void* /*instance*/, int32_t reason, void* /*reserved*/) { return reason == 1 ? 1 : 0; }

void INITIALIZEDLL() {
    Globals& g = globals();
    if (!g.CONVERSIONDECIMALPLACES) g.CONVERSIONDECIMALPLACES.emplace();
    if (!g.SCALERATIOS) g.SCALERATIOS.emplace();
    if (!g.PAPERINFOARRAY) g.PAPERINFOARRAY.emplace(kDefaultPaperRows);
    // The code constants and PI / MILLIMETERSPERINCH are compile-time
    // constants (frame/globals.h); nothing to set for them here.
    write_scale_ratios(*g.SCALERATIOS);
    write_default_paper_rows(*g.PAPERINFOARRAY);
    g.initialised = true;
}

}  // namespace wqj
