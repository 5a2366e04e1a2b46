// CImagePage: the "Image" page: loads and removes the picture, places it and
// lets it show through the calendar.
#pragma once
#include "framework/Button.h"
#include "framework/Static.h"
#include "panel/PanelPage.h"

class CImagePage : public CPanelPage {
public:
    CImagePage();

    // Enables the placement buttons and the check box as bEnable says,
    // "Delete" when the document has a picture; shows the file name.
    void EnableControls(BOOL bEnable);
    // Removes the document's picture, if it has one.
    void RemoveImage();

    CButton m_btnShowsThrough;
    CButton m_btnDelete;
    CStatic m_staticFile;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
