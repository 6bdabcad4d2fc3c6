#pragma once
// The game's music: a flute dance in D dorian, 6/8, forty bars that loop
// seamlessly (intro, two tunes each played twice, a quiet close).

#include "sound.h"

namespace mkmedia {

Sound MusicLoop();

}  // namespace mkmedia
