#include "typecompiler/options/Switch.h"

namespace vastor {

void Switch::validate(const SwitchTable&) const {}

}  // namespace vastor
