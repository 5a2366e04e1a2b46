#include "view/ImageTracker.h"

#include "app/AlmanarkApp.h"

double CImageTracker::Aspect() const {
    return theApp.m_dImageAspect;
}
