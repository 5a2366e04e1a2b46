// CImagePage: the "Image" page: loads and removes the picture, places it and
// lets it show through the calendar.
#pragma once
#include "framework/Button.h"
#include "framework/Static.h"
#include "panel/PanelPage.h"
#include "view/ImagePlacement.h"

class CImagePage : public CPanelPage {
public:
    CImagePage();

    // Enables the placement buttons and the check box as bEnable says,
    // "Delete" when the document has a picture; shows the file name.
    void EnableControls(BOOL bEnable);
    // Removes the document's picture, if it has one: "Delete", the Delete
    // key while the picture is positioned, File New.
    void RemoveImage();
    // "New": a picture file chosen and loaded; a file that cannot be loaded
    // leaves the picture that was there.
    void OnNew();
    void OnShowsThrough();
    // One of the six placement buttons, with a picture on a drawn page.
    void Place(CImagePlacement::Button button);

    bool OnCmdMsg(unsigned nID, int nCode) override;

    CButton m_btnShowsThrough;
    CButton m_btnDelete;
    CStatic m_staticFile;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // Takes over a loaded picture: placement, positioning, controls.
    void ShowNewPicture(const CString& strName);
};
