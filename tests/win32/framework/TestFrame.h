// CTestFrame: a top-level window standing in for the main frame; it records
// the commands and notifications that reach it.
#pragma once
#include <vector>
#include "framework/Wnd.h"

struct CRecordedCommand {
    UINT nID;
    UINT nCode;
};

class CTestFrame : public CWnd {
public:
    bool Create(int cx = 640, int cy = 480);
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    std::vector<CRecordedCommand> m_commands;
    std::vector<CRecordedCommand> m_notifications;
    LRESULT m_lNotifyResult = 0;
};

// Runs every waiting message as the program's loop does, dialog keys included.
void PumpLoopMessages();
