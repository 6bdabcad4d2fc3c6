#include "app/developer_mode.h"

int DeveloperMode = 0;
