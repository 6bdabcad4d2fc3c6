// The yes/no box and the slider, drawn with pictures of one colour so that
// their positions can be read off the frame.

#include "menu_fixture.h"
#include "menus/options_menu.h"
#include "menus/slider.h"
#include "menus/widget_images.h"
#include "menus/yes_no_box.h"

namespace {

using platform::TImage;

TImage SolidImage(int width, int height, int frames, uint32_t argb) {
  TImage image = platform::CreateImage(width, height, frames, -1);
  for (int f = 0; f < frames; ++f) {
    platform::TPixmap pixels = platform::LockImage(image, f);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) pixels.WritePixel(x, y, argb + static_cast<uint32_t>(f));
    }
    platform::UnlockImage(image, f);
  }
  platform::SetImageHandle(image, 0, 0);
  return image;
}

class WidgetTest : public MenuTest {
 protected:
  // A slider whose track starts at (130, 90) on a screen at (0, 0).
  std::shared_ptr<Slider> MakeSlider() { return Slider::Create(100, 100, 400, 60, 30, -10, 100, 30); }
  int SliderHandles(int mx, int my, Slider& slider) {
    MoveMouseTo(mx, my);
    return slider.HandleMouse(0, 0);
  }
};

TEST_F(WidgetTest, YesNoBoxShowsItsCellAndHasNoValue) {
  yesNoImage = SolidImage(30, 30, 2, 0xFFF00000);
  auto box = YesNoBox::Create(100, 90, 204, 30, 60, -15, 1);
  EXPECT_EQ(box->kind, 1);
  EXPECT_EQ(box->GetValue(), -1.0);
  ClearTo(0, 0, 0);
  box->Draw(430, 145);
  const Frame unset = GrabFrame();
  EXPECT_EQ(unset.At(590, 220), 0xF00001u);  // cell 1 at (590, 220)
  EXPECT_EQ(unset.At(589, 220), 0u);
  box->SetValue(0.0);
  box->Draw(430, 145);
  EXPECT_EQ(GrabFrame().At(619, 249), 0xF00000u);
}

// On the options screen the full-screen box lies 60 pixels right of and 15
// above its button's centre, under the button's own picture where they meet.
TEST_F(WidgetTest, TheFullScreenBoxLiesBesideItsButtonUnderTheButtonsPicture) {
  yesNoImage = SolidImage(30, 30, 2, 0xFFF00000);
  optionsMenu->buttonStrip = SolidImage(154, 30, 12, 0xFF0000F0);
  platform::MidHandleImage(optionsMenu->buttonStrip);
  optionsMenu->background = TImage();
  optionsMenu->fade = MenuScreen::FullFade;
  optionsMenu->Select(OptionsMenu::Back);
  ClearTo(0, 0, 0);
  optionsMenu->Draw(false);
  const Frame frame = GrabFrame();
  // The button's picture spans x 453-606 and y 190-219; the box x 590-619, y 190-219.
  EXPECT_EQ(frame.At(590, 205), 0x0000F0u) << "the box is drawn first";
  EXPECT_EQ(frame.At(606, 219), 0x0000F0u);
  EXPECT_EQ(frame.At(607, 190), 0xF00000u);
  EXPECT_EQ(frame.At(619, 219), 0xF00000u);
  EXPECT_EQ(frame.At(620, 205), 0u);
  EXPECT_EQ(frame.At(610, 189), 0u);
  EXPECT_EQ(frame.At(610, 220), 0u);
}

TEST_F(WidgetTest, SliderTakesTheMouseOnlyStrictlyInsideItsTrackAndBand) {
  auto slider = MakeSlider();
  slider->SetValue(50.0);
  EXPECT_TRUE(Logged("Slider value set to 50.0000000"));
  EXPECT_EQ(SliderHandles(130, 95, *slider), 1);  // the track's left edge
  EXPECT_EQ(SliderHandles(230, 95, *slider), 1);  // its right end
  EXPECT_EQ(slider->value, 50);
  EXPECT_EQ(SliderHandles(131, 61, *slider), 1);
  EXPECT_EQ(slider->value, 1);
  EXPECT_EQ(SliderHandles(229, 149, *slider), 1);
  EXPECT_EQ(slider->value, 99);
  EXPECT_EQ(SliderHandles(180, 60, *slider), 1);   // grabHeight above the top
  EXPECT_EQ(SliderHandles(180, 150, *slider), 1);  // twice it below
  EXPECT_EQ(slider->value, 99);
  // Left of the track: 39 pixels still belong to the slider, 40 do not.
  EXPECT_EQ(SliderHandles(91, 95, *slider), 1);
  EXPECT_EQ(SliderHandles(90, 95, *slider), 0);
  EXPECT_EQ(slider->GetValue(), 99.0);
}

TEST_F(WidgetTest, KnobSitsTenPixelsLeftOfItsValue) {
  sliderBackImage = SolidImage(100, 20, 1, 0xFF00F000);
  sliderKnobImage = SolidImage(20, 20, 1, 0xFFF00000);
  auto slider = MakeSlider();
  for (auto [value, knobLeft] : {std::pair{100.0, 220}, {0.0, 120}, {37.9, 157}}) {
    slider->SetValue(value);
    ClearTo(0, 0, 0);
    slider->Draw(0, 0);
    const Frame frame = GrabFrame();
    EXPECT_EQ(frame.At(knobLeft, 95), 0xF00000u) << value;
    EXPECT_NE(frame.At(knobLeft - 1, 95), 0xF00000u) << value;
    EXPECT_EQ(frame.At(knobLeft + 19, 95), 0xF00000u) << value;
  }
}

}  // namespace
