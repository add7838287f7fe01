#include "tools/wqj/commands.h"

namespace wqjtool {

void add_fraction_command(std::vector<Command>& list) { (void)list; }

}  // namespace wqjtool
