#include "host/computer_player.h"
