// CScrollView: the base of a view with a page. The program's page always
// fits its window, so it needs no scroll range.
#pragma once
#include "framework/View.h"

class CScrollView : public CView {};
