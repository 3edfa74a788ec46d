#include "families.h"

namespace art {

void DrawButtons(Sink&) {}

}  // namespace art
