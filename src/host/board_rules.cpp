#include "host/board_rules.h"
