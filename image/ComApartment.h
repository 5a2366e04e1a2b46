// CComApartment: COM for this thread while it lives, when it was not yet.
#pragma once
#include <objbase.h>

class CComApartment {
public:
    CComApartment() : m_bInit(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~CComApartment() {
        if (m_bInit)
            ::CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    bool m_bInit;
};
