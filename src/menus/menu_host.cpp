#include "menus/menu_host.h"

MenuHost* menuHost = nullptr;
