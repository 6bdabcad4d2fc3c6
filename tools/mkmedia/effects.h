#pragma once
// The game's sound effects, each a finished sound ready to be written.

#include "sound.h"

namespace mkmedia {

Sound RollingLoop();      // waves2.ogg: the rolling ball, looping
Sound ChimeSound();       // chimes.wav: a volume change in the options
Sound OohSound();         // ooh.ogg: a level solved (played faster for later levels of a group)
Sound OohOohSound();      // oohooh2.ogg: a group of five finished
Sound DoorShutSound();    // bigdoorshut2.ogg: the level restarts
Sound LockOpenSound();    // dododo.ogg: the gold key opens the locks
Sound LockCloseSound();   // woom.ogg: the silver key closes the gateways
Sound TeleportSound();    // tele.ogg: the ball is teleported
Sound PageTurnSound();    // pageturn2.ogg: a menu page opens
Sound UndoSound();        // undo.ogg: a move taken back

}  // namespace mkmedia
