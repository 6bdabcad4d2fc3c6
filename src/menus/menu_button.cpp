#include "menus/menu_button.h"

void menuButtonType::Draw(int, int) {}

int menuButtonType::HandleMouse(int, int) { return 0; }

double menuButtonType::GetValue() { return -1.0; }

void menuButtonType::SetValue(double) {}
