#include "platform/render/present_mode.h"

namespace platform {

PresentMode ChoosePresentMode(const PresentFacts& facts) {
  if (!facts.paintsWholeScreen) return PresentMode::OverLastFrame;
  if (facts.smallDamage) {
    return facts.windowIsLogicalSize && facts.windowHoldsLastFrame ? PresentMode::DamageInWindow
                                                                   : PresentMode::DamageOffScreen;
  }
  return facts.windowIsLogicalSize ? PresentMode::WholeToWindow : PresentMode::WholeOffScreen;
}

LastFrame LastFrameAfter(PresentMode mode) {
  switch (mode) {
    case PresentMode::OverLastFrame:
      return LastFrame::Unusable;
    case PresentMode::DamageInWindow:
    case PresentMode::WholeToWindow:
      return LastFrame::OnlyInWindow;
    case PresentMode::DamageOffScreen:
    case PresentMode::WholeOffScreen:
      return LastFrame::OffScreen;
  }
  return LastFrame::Unusable;
}

bool DrawsOffScreen(PresentMode mode) {
  switch (mode) {
    case PresentMode::OverLastFrame:
    case PresentMode::DamageOffScreen:
    case PresentMode::WholeOffScreen:
      return true;
    case PresentMode::DamageInWindow:
    case PresentMode::WholeToWindow:
      return false;
  }
  return true;
}

}  // namespace platform
