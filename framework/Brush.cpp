#include "framework/Brush.h"
