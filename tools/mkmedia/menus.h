#pragma once
// The menu panels, their button strips and the option widgets.

#include "image.h"

namespace mkmedia {

Image MainMenuStrip();        // mainMenu.png: 10 cells of 256 x 50
Image OptionsPanel();         // submenu1.png, shared by options and instructions
Image ControlsPanel();        // controls.png, the controls' rows written over it by the game
Image InstructionsStrip();    // menuInstructions.png: 2 cells of 325 x 402
Image OptionsStrip();         // menuOptions.png: 10 cells of 154 x 30
Image ResetPanel();           // submenu2.png
Image ResetStrip();           // menuResetProf.png: 4 cells of 158 x 30
Image YesNoPicture();         // menuYesNo.png: 2 cells of 30 x 30
Image SliderTrackPicture();   // sliderBack.png
Image SliderKnobPicture();    // sliderX.png

}  // namespace mkmedia
