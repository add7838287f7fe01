#include "frame/library.h"

#include "frame/globals.h"
#include "frame/paper.h"
#include "frame/scale.h"

namespace wqj {

Globals& globals() {
    static Globals g;
    return g;
}

void detail::on_process_attach() {
    globals() = Globals{};
    globals().random_state = 0xFFFFFFFFu;
}

void detail::on_process_detach() { globals() = Globals{}; }

int32_t LIBMAIN(void* /*instance*/, int32_t reason, void* /*reserved*/) { return reason == 1 ? 1 : 0; }

void INITIALIZEDLL() {
    Globals& g = globals();
    if (!g.CONVERSIONDECIMALPLACES) g.CONVERSIONDECIMALPLACES.emplace();
    if (!g.SCALERATIOS) g.SCALERATIOS.emplace();
    // The code constants and PI / MILLIMETERSPERINCH are compile-time
    // constants (wqj_codes.h); nothing to set for them here.
    detail::write_scale_ratios(*g.SCALERATIOS);
    // The paper table is the one allocation, so it comes last: when it
    // cannot be made, every other table is already complete and the paper
    // exports see no table, as after a refused SIZEPAPERINFOARRAY (rather
    // than a scale table created but never filled).
    if (!g.PAPERINFOARRAY) g.PAPERINFOARRAY.emplace(kDefaultPaperRows);
    detail::write_default_paper_rows(*g.PAPERINFOARRAY);
    g.initialised = true;
}

void SETCONVERSIONDECIMALPLACES(int32_t system, int32_t places) {
    // The table normally exists from INITIALIZEDLL on; a call before it
    // creates the table, so the host's setting is kept either way.
    auto& table = globals().CONVERSIONDECIMALPLACES;
    if (!table) table.emplace();
    (*table)[system == 0 ? 0 : 1] = places;
}

}  // namespace wqj
