#include "tools/wqj/commands.h"

namespace wqjtool {

void add_parse_command(std::vector<Command>& list) { (void)list; }

}  // namespace wqjtool
