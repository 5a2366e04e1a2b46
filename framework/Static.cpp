#include "framework/Static.h"
