// CGdiObject: owns one GDI object and deletes it with the object. It must
// not be selected into a DC when it goes (CAutoSelect sees to that).
#pragma once
#include <windows.h>

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept;
    virtual ~CGdiObject() { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    bool Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    bool DeleteObject();

protected:
    HGDIOBJ m_hObject = nullptr;
};
