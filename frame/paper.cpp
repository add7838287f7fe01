#include "frame/paper.h"

namespace wqj {

void write_default_paper_rows(std::vector<PAPERINFO>& /*table*/) {
    // The default paper rows are written by the paper-table services, which
    // the library does not provide yet: the table stays zero-filled.
}

}  // namespace wqj
