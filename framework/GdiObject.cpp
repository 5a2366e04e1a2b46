#include "framework/GdiObject.h"

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept {
    if (this != &other) {
        DeleteObject();
        m_hObject = other.Detach();
    }
    return *this;
}

bool CGdiObject::Attach(HGDIOBJ hObject) {
    DeleteObject();
    m_hObject = hObject;
    return hObject != nullptr;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

bool CGdiObject::DeleteObject() {
    if (!m_hObject)
        return false;
    bool bDeleted = ::DeleteObject(m_hObject) != 0;
    m_hObject = nullptr;
    return bDeleted;
}
