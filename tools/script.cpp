#include "tools/script.h"
