// CHelpWindow: the program's help, a window of its own beside the program
// with the list of topics and the chosen topic. It stays open while the user
// works; F1, Shift+F1 and Help Topics bring it up at the topic they want.
#pragma once
#include "app/HelpTopics.h"
#include "framework/Dialog.h"
#include "framework/Font.h"

class CHelpWindow : public CDialog {
public:
    CHelpWindow();

    // Shows the window (created when needed) at the topic of nContext; false,
    // and nothing shown, when no topic has that context.
    bool ShowContext(unsigned long nContext);
    // Shows the window at topic nIndex of the contents.
    void ShowTopic(int nIndex);
    // The topic on show, -1 while the window is closed.
    int GetTopic() const { return m_hWnd ? m_nTopic : -1; }
    // The topics of the help text resource, read on first use.
    const CHelpTopics& GetTopics();

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void Layout();

    CHelpTopics m_topics;
    bool m_bTopicsRead = false;
    int m_nTopic = -1;
    CFont m_fontTitle;
    CSize m_sizeMin;
};
