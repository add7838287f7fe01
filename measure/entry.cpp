// (being written) Validated measurement entry.
#include "measure/entry.h"

namespace wqj {
float CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(platform::Handle, std::string_view, float, float, float, int32_t,
                                             int32_t, int32_t, int32_t) {
    return 0;
}
}  // namespace wqj
