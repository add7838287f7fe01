// wqj commands over the measurement engine: each lives in its own file.
#include "tools/wqj/commands.h"

namespace wqjtool {

void add_measure_commands(std::vector<Command>& list) {
    add_parse_command(list);
    add_format_command(list);
    add_fraction_command(list);
}

}  // namespace wqjtool
