#include "app/LookLimits.h"

#include "app/SettingsKeys.h"

int CLookLimits::Weight(int nWeight) {
    return CSettingsKeys::kLookWeight.Fit(nWeight);
}

BYTE CLookLimits::Italic(unsigned nItalic) {
    return (BYTE)CSettingsKeys::kLookItalic.Fit((int)nItalic);
}
