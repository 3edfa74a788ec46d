#include "families.h"

namespace art {

void DrawMatch3Screen(Sink&) {}

}  // namespace art
