// CCmdTarget: anything a command (menu item, accelerator, control
// notification) can be routed to. The frame offers each command to the view,
// the document, itself and the application, in that order.
#pragma once

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Handles command nID with notification code nCode; TRUE when handled.
    virtual bool OnCmdMsg(unsigned nID, int nCode) {
        (void)nID;
        (void)nCode;
        return false;
    }
    // Whether OnCmdMsg carries out menu command nID; menu items that no
    // target carries out are shown grayed.
    virtual bool HandlesCommand(unsigned nID) const {
        (void)nID;
        return false;
    }
};
