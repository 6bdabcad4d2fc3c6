#include "puzzle/editor_mode.h"

int EditorMode = 0;
