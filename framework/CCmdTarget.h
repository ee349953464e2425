#pragma once
// Base of every class that has a message map (windows and the application).
#include "framework/CObject.h"
#include "framework/MessageMap.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Runs the handler this object's map has for (message, code, id); FALSE when it has none.
    BOOL DispatchFromMap(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam,
                         LRESULT* pResult);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
