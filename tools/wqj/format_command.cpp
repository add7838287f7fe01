#include "tools/wqj/commands.h"

namespace wqjtool {

void add_format_command(std::vector<Command>& list) { (void)list; }

}  // namespace wqjtool
