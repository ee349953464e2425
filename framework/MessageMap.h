#pragma once
// Message maps: a class's table of the messages it handles. Each entry holds what it answers
// (message, notification code, control id) and a typed thunk that unpacks WPARAM/LPARAM for
// the handler; the thunk fails to compile when the handler's signature is not the one its
// macro needs. Tables chain to their base class's table.
#include <windows.h>
#include <type_traits>
#include "framework/CRect.h"

class CCmdTarget;

#define afx_msg

// Reflected messages are looked up in the child's map as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00

// Called with the target, the message's WPARAM/LPARAM and where the message result goes.
typedef void (*AFX_MSG_THUNK)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;      // message; WM_COMMAND; WM_REFLECT_BASE + message for reflections
    UINT nCode;         // notification code of WM_COMMAND / WM_NOTIFY entries, else 0
    UINT nID;           // command or control id of WM_COMMAND entries, else 0
    AFX_MSG_THUNK pfn;  // NULL ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // NULL for the root
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// First entry answering (message, code, id) in the map or its bases, or NULL.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                            UINT nID);

namespace afx_thunk {

template <class M>
struct MemberOf;
template <class C, class F>
struct MemberOf<F C::*> {
    using Class = C;
    using Function = F;
};

// True when pfn is a member function of T (or of a base of T) with signature Sig.
template <class T, auto pfn, class Sig>
constexpr bool kFits = std::is_same_v<typename MemberOf<decltype(pfn)>::Function, Sig>&&
    std::is_base_of_v<typename MemberOf<decltype(pfn)>::Class, T>;

template <class T>
T* Self(CCmdTarget* p)
{
    return static_cast<T*>(p);
}

// void Handler()
template <class T, auto pfn>
void Void(CCmdTarget* p, WPARAM, LPARAM, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void()>, "handler must be: void Handler()");
    (Self<T>(p)->*pfn)();
    *pResult = 0;
}
// void OnSysCommand(UINT nID, LPARAM lParam)
template <class T, auto pfn>
void SysCommand(CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void(UINT, LPARAM)>,
                  "handler must be: void OnSysCommand(UINT, LPARAM)");
    (Self<T>(p)->*pfn)(static_cast<UINT>(wParam), lParam);
    *pResult = 0;
}
// HCURSOR OnQueryDragIcon()
template <class T, auto pfn>
void QueryDragIcon(CCmdTarget* p, WPARAM, LPARAM, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, HCURSOR()>, "handler must be: HCURSOR OnQueryDragIcon()");
    *pResult = reinterpret_cast<LRESULT>((Self<T>(p)->*pfn)());
}
// void OnDropFiles(HDROP hDropInfo)
template <class T, auto pfn>
void DropFiles(CCmdTarget* p, WPARAM wParam, LPARAM, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void(HDROP)>, "handler must be: void OnDropFiles(HDROP)");
    (Self<T>(p)->*pfn)(reinterpret_cast<HDROP>(wParam));
    *pResult = 0;
}
// void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
template <class T, auto pfn>
void GetMinMaxInfo(CCmdTarget* p, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void(MINMAXINFO*)>,
                  "handler must be: void OnGetMinMaxInfo(MINMAXINFO*)");
    (Self<T>(p)->*pfn)(reinterpret_cast<MINMAXINFO*>(lParam));
    *pResult = 0;
}
// void OnMouseMove(UINT nFlags, CPoint point)
template <class T, auto pfn>
void MouseMove(CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void(UINT, CPoint)>,
                  "handler must be: void OnMouseMove(UINT, CPoint)");
    (Self<T>(p)->*pfn)(static_cast<UINT>(wParam), CPoint(static_cast<DWORD>(lParam)));
    *pResult = 0;
}
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
template <class T, auto pfn>
void DrawItem(CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void(int, LPDRAWITEMSTRUCT)>,
                  "handler must be: void OnDrawItem(int, LPDRAWITEMSTRUCT)");
    (Self<T>(p)->*pfn)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
}
// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
template <class T, auto pfn>
void MeasureItem(CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void(int, LPMEASUREITEMSTRUCT)>,
                  "handler must be: void OnMeasureItem(int, LPMEASUREITEMSTRUCT)");
    (Self<T>(p)->*pfn)(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    *pResult = TRUE;
}
// void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct), the reflected form
template <class T, auto pfn>
void MeasureItemReflect(CCmdTarget* p, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void(LPMEASUREITEMSTRUCT)>,
                  "handler must be: void MeasureItem(LPMEASUREITEMSTRUCT)");
    (Self<T>(p)->*pfn)(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    *pResult = TRUE;
}
// LRESULT Handler(WPARAM wParam, LPARAM lParam)
template <class T, auto pfn>
void Message(CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, LRESULT(WPARAM, LPARAM)>,
                  "handler must be: LRESULT Handler(WPARAM, LPARAM)");
    *pResult = (Self<T>(p)->*pfn)(wParam, lParam);
}
// void Handler(NMHDR* pNMHDR, LRESULT* pResult); LPARAM is the NMHDR
template <class T, auto pfn>
void Notify(CCmdTarget* p, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    static_assert(kFits<T, pfn, void(NMHDR*, LRESULT*)>,
                  "handler must be: void Handler(NMHDR*, LRESULT*)");
    (Self<T>(p)->*pfn)(reinterpret_cast<NMHDR*>(lParam), pResult);
}

}  // namespace afx_thunk

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, NULL                                                                              \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

#define AFX_ENTRY(message, code, id, thunk, handler)                                               \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(id),                   \
     &afx_thunk::thunk<ThisClass, &ThisClass::handler>},

// Window messages; the handler's name and signature are fixed by the macro.
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, 0, 0, Void, OnPaint)  // void OnPaint()
#define ON_WM_SYSCOMMAND()                                                                         \
    AFX_ENTRY(WM_SYSCOMMAND, 0, 0, SysCommand, OnSysCommand)  // void OnSysCommand(UINT, LPARAM)
#define ON_WM_QUERYDRAGICON()                                                                      \
    AFX_ENTRY(WM_QUERYDRAGICON, 0, 0, QueryDragIcon, OnQueryDragIcon)  // HCURSOR OnQueryDragIcon()
#define ON_WM_DROPFILES()                                                                          \
    AFX_ENTRY(WM_DROPFILES, 0, 0, DropFiles, OnDropFiles)  // void OnDropFiles(HDROP)
#define ON_WM_GETMINMAXINFO()                                                                      \
    AFX_ENTRY(WM_GETMINMAXINFO, 0, 0, GetMinMaxInfo,                                               \
              OnGetMinMaxInfo)  // void OnGetMinMaxInfo(MINMAXINFO*)
#define ON_WM_MOUSEMOVE()                                                                          \
    AFX_ENTRY(WM_MOUSEMOVE, 0, 0, MouseMove, OnMouseMove)  // void OnMouseMove(UINT, CPoint)
#define ON_WM_DRAWITEM()                                                                           \
    AFX_ENTRY(WM_DRAWITEM, 0, 0, DrawItem, OnDrawItem)  // void OnDrawItem(int, LPDRAWITEMSTRUCT)
#define ON_WM_MEASUREITEM()                                                                        \
    AFX_ENTRY(WM_MEASUREITEM, 0, 0, MeasureItem,                                                   \
              OnMeasureItem)  // void OnMeasureItem(int, LPMEASUREITEMSTRUCT)

// Any message: LRESULT memberFxn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) AFX_ENTRY(message, 0, 0, Message, memberFxn)

// Commands (menu, accelerator, button click): void memberFxn()
#define ON_COMMAND(id, memberFxn) AFX_ENTRY(WM_COMMAND, 0, id, Void, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) AFX_ENTRY(WM_COMMAND, BN_CLICKED, id, Void, memberFxn)
// A control's notification: void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    AFX_ENTRY(WM_COMMAND, wNotifyCode, id, Void, memberFxn)

// Reflected to the control that sent them.
// void memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, Notify, memberFxn)
// void MeasureItem(LPMEASUREITEMSTRUCT)
#define ON_WM_MEASUREITEM_REFLECT()                                                                \
    AFX_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, MeasureItemReflect, MeasureItem)
