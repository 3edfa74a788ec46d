// Every visual effect at once: particles and emitters, captions, falling
// pieces, resource flyers, fireworks, bombs and simple flying objects.
#pragma once

#include "effects/bombs.h"
#include "effects/captions.h"
#include "effects/effect_hooks.h"
#include "effects/effect_math.h"
#include "effects/emitters.h"
#include "effects/fireworks.h"
#include "effects/flyers.h"
#include "effects/flying_objects.h"
#include "effects/odpadek.h"
#include "effects/particles.h"
