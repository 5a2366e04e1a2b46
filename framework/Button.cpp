#include "framework/Button.h"
