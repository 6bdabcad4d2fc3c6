// Every file of the media folder and the job that makes it.

#include <cstdio>
#include <string>

#include "board_pieces.h"
#include "closing_page.h"
#include "effects.h"
#include "frame.h"
#include "ico_writer.h"
#include "icon.h"
#include "jobs.h"
#include "jpeg_writer.h"
#include "level_select.h"
#include "menus.h"
#include "music.h"
#include "ogg_writer.h"
#include "png_writer.h"
#include "postcard.h"
#include "sound_finish.h"
#include "styles.h"
#include "tokens_digits.h"
#include "tutorial.h"
#include "wav_writer.h"
#include "world_map.h"

namespace mkmedia {

namespace {

std::string TwoDigits(int i) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", i);
  return text;
}

void Png(const Output& out, const std::string& name, const Image& image) { WritePng(image, out.Media(name)); }

// Effects are short: a higher quality costs little. Each file gets its own
// stream serial number, fixed, so the bytes never change between runs.
void Ogg(const Output& out, const std::string& name, const Sound& sound, int serial) {
  WriteOgg(sound, out.Media(name), 0.5f, serial);
}

}  // namespace

std::vector<Job> AllJobs() {
  std::vector<Job> jobs;
  // The music is the longest job, so it starts first.
  jobs.push_back({"music", [](const Output& out) {
                    Sound music = MusicLoop();
                    RemoveOffset(music);
                    Normalise(music, -3.0f);
                    WriteOgg(music, out.Media("velin_flutedance.ogg"), 0.3f, 1);
                  }});
  jobs.push_back({"effects", [](const Output& out) {
                    Ogg(out, "waves2.ogg", RollingLoop(), 2);
                    Ogg(out, "ooh.ogg", OohSound(), 3);
                    Ogg(out, "oohooh2.ogg", OohOohSound(), 4);
                    Ogg(out, "bigdoorshut2.ogg", DoorShutSound(), 5);
                    Ogg(out, "dododo.ogg", LockOpenSound(), 6);
                    Ogg(out, "woom.ogg", LockCloseSound(), 7);
                    Ogg(out, "tele.ogg", TeleportSound(), 8);
                    Ogg(out, "pageturn2.ogg", PageTurnSound(), 9);
                    Ogg(out, "undo.ogg", UndoSound(), 10);
                    WriteWav(ChimeSound(), out.Media("chimes.wav"));
                  }});
  for (int i = 0; i < kStyleCount; ++i)
    jobs.push_back({"art style " + TwoDigits(i), [i](const Output& out) {
                      StyleArt art = AllStyles()[i]();
                      Png(out, "back/back" + TwoDigits(i) + ".png", art.background);
                      Png(out, "tiles/tiles" + TwoDigits(i) + ".png", WallStrip(art.walls));
                    }});
  jobs.push_back({"frame", [](const Output& out) {
                    Png(out, "borderred.png", FramePicture());
                    Png(out, "single_slot_column.png", SingleSlotColumn());
                    Png(out, "hover_menu.png", HoverPicture(0));
                    Png(out, "hover_restart.png", HoverPicture(1));
                    Png(out, "hover_skip.png", HoverPicture(2));
                  }});
  jobs.push_back({"board pieces", [](const Output& out) {
                    Png(out, "ball.png", BallPicture());
                    Png(out, "tiles/tile_border.png", TileBorderPicture());
                    Png(out, "tiles/tile_key.png", KeyTilesPicture());
                    Png(out, "tiles/tile_marks.png", BoardMarksPicture());
                    Png(out, "hover_up.png", ArrowPicture(1));
                    Png(out, "hover_right.png", ArrowPicture(2));
                    Png(out, "hover_down.png", ArrowPicture(3));
                    Png(out, "hover_left.png", ArrowPicture(4));
                    Png(out, "trail.png", TrailGlow());
                    Png(out, "shade.png", ShadeGlow());
                    Png(out, "spark.png", SparkGlow());
                    Png(out, "tokens.png", TokensPicture());
                    Png(out, "countdown.png", DigitsPicture());
                    Png(out, "counter.png", CounterFiguresPicture());
                  }});
  jobs.push_back({"menus", [](const Output& out) {
                    Png(out, "mainMenu.png", MainMenuStrip());
                    Png(out, "submenu1.png", OptionsPanel());
                    Png(out, "controls.png", ControlsPanel());
                    Png(out, "menuInstructions.png", InstructionsStrip());
                    Png(out, "menuOptions.png", OptionsStrip());
                    Png(out, "submenu2.png", ResetPanel());
                    Png(out, "menuResetProf.png", ResetStrip());
                    Png(out, "menuYesNo.png", YesNoPicture());
                    Png(out, "sliderBack.png", SliderTrackPicture());
                    Png(out, "sliderX.png", SliderKnobPicture());
                    Png(out, "levelSelect.png", LevelSelectPage());
                    Png(out, "levelPlates.png", LevelPlatesPicture());
                    Png(out, "parStar.png", ParStarPicture());
                    Png(out, "noWayOut.png", NoWayOutPicture());
                  }});
  jobs.push_back({"tutorial pages", [](const Output& out) {
                    Png(out, "blank.png", BlankPage());
                    for (int i = 0; i < kTutorialPages; ++i)
                      Png(out, "tutorialtext" + TwoDigits(i) + ".png", TutorialText(i));
                  }});
  jobs.push_back({"closing page", [](const Output& out) {
                    Png(out, "ending.png", ClosingPageText());
                    Png(out, "pagefigures.png", PageFigures());
                  }});
  jobs.push_back({"world map", [](const Output& out) {
                    Png(out, "worldMap.png", WorldMapPicture());
                    Png(out, "levelSquares.png", LevelSquaresPicture());
                  }});
  jobs.push_back({"postcard", [](const Output& out) { WriteJpeg(PostcardPicture(), out.Media("postcard.jpg")); }});
  jobs.push_back({"logo", [](const Output& out) { Png(out, "logo.png", LogoPicture()); }});
  jobs.push_back({"icon", [](const Output& out) {
                    WriteIco({ChestIcon(256), ChestIcon(48), ChestIcon(32), ChestIcon(16)}, out.Game("chest.ico"));
                  }});
  // The same chest for desktops that look icons up by size (installed only).
  jobs.push_back({"desktop icons", [](const Output& out) {
                    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
                      const std::string folder = std::to_string(size) + "x" + std::to_string(size);
                      WritePng(ChestIcon(size), out.Game("icons/hicolor/" + folder + "/apps/marrowick.png"));
                    }
                  }});
  return jobs;
}

}  // namespace mkmedia
