// Texts of the message boxes shown (each answered with OK), in order.
#pragma once
#include <vector>
#include "framework/String.h"

std::vector<CString>& ShownMessages();
