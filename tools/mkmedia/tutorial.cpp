#include "tutorial.h"

#include <string>
#include <vector>

#include "tutorial_diagrams.h"
#include "ui_kit.h"

namespace mkmedia {

namespace {

constexpr int kWidth = 640, kHeight = 448;

struct PageText {
  const char* title;
  std::vector<const char*> paragraphs;
};

const PageText& Text(int page) {
  static const PageText pages[kTutorialPages] = {
      {"Rolling the ball",
       {"Press an arrow key, or click the board on the side you want to go, and the ball rolls that way.",
        "It keeps rolling until a wall or a shut gate stops it. The edge of the board does not: the ball rolls "
        "off it.",
        "Roll it onto the ring of light. That is the exit. Lost? Press H: an arrow shows the next move."}},
      {"Off the edge",
       {"Roll off the edge of the board and the level begins again, with the ball back at its start.",
        "A slip? Press Z or Backspace to take back the last move, a fall included, as many moves as you like.",
        "Got yourself stuck? Press R, or click Restart below the board, to begin the level again."}},
      {"Teleports",
       {"A swirl of light is a teleport. Twin swirls share a colour.",
        "Roll into one and the ball comes out of its twin, still rolling the same way.",
        "Watch where the twin lies before you jump."}},
      {"The gold key",
       {"Walls marked with a lock are closed to you.",
        "Roll over the gold key and every one of them opens, leaving the way free."}},
      {"The silver key",
       {"The silver key works the other way round.",
        "Roll over it and the open gateways, silver frames round a faint wall, close: they become barred walls, "
        "and walls are places to stop."}},
      {"Groups of five",
       {"Levels come in groups of five. The column on the right shows how you finished each level of the group: "
        "a gold token for a level solved, a silver one for a level skipped.",
        "Stuck for good? Press S, or click Skip, to go on to the next level. Levels, on the main menu, "
        "lets you play any level you have reached again."}},
      {"The last level",
       {"Congratulations! You have travelled all the way to the last level of Marrowick.",
        "One more puzzle stands between you and the end of the journey. Good luck!"}},
      {"Hint: work backwards",
       {"Look at the exit first. The ball stops the moment it rolls onto it, so ask along which row or column it "
        "could arrive, and where it could have been resting before that move.",
        "Then ask the same of that place, and so on, back to the start."}},
      {"Hint: walls are stepping stones",
       {"The ball only ever stops beside something. Every wall is a place where a new move can begin.",
        "Look for the walls that lead towards the exit, and for the ones that lead nowhere."}},
      {"Hint: map the resting places",
       {"From the start, try each direction and note where the ball comes to rest.",
        "Those resting places and the moves between them are the whole puzzle. A move that brings you back to "
        "a place you have seen before gains nothing: try another."}},
  };
  return pages[page];
}

}  // namespace

Image BlankPage() {
  Image page(kWidth, kHeight);
  Parchment(page, {0, 0, static_cast<float>(kWidth), static_cast<float>(kHeight)}, 18, 81);
  return page;
}

Image TutorialText(int page) {
  Image text(kWidth, kHeight);
  const PageText& content = Text(page);
  const bool diagram = HasTutorialDiagram(page);
  TextLook ink;
  ink.fill = Solid(Hex(0x3a2410));
  const float left = 48, width = diagram ? 330.0f : kWidth - 96.0f;
  TextStyle title{Face::SerifBold, 34, 0.4f};
  while (TextWidth(title, content.title) > kWidth - 96) title.size -= 1;
  PaintText(text, title, kWidth / 2.0f, 78, content.title, ink, Align::Centre);
  Flourish(text, kWidth / 2.0f, 94, 90, Hex(0x8a6a3a));

  const TextStyle body{Face::Serif, 21, 0};
  float y = 136;
  for (const char* paragraph : content.paragraphs) {
    for (const std::string& line : WrapText(body, paragraph, width)) {
      PaintText(text, body, left, y, line, ink);
      y += 27;
    }
    y += 11;
  }
  if (diagram) TutorialDiagram(text, page, 400, 112);

  TextLook footer;
  footer.fill = Solid(Hex(0x6a4a24));
  PaintText(text, TextStyle{Face::SerifItalic, 18, 0}, kWidth / 2.0f, kHeight - 30.0f,
            "Press any key or click to continue", footer, Align::Centre);
  return text;
}

}  // namespace mkmedia
