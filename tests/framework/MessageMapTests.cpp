// Message-map dispatch on a bound window: typed entries, base maps, default processing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/CWnd.h"

namespace {

std::vector<UINT> g_reachedOriginal;  // messages that reached the window's own procedure

// The window's own procedure: WM_APP + n answers 100 + n.
LRESULT CALLBACK OriginalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_reachedOriginal.push_back(message);
    if (message >= WM_APP && message < WM_APP + 100) return 100 + (message - WM_APP);
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

HWND CreateHost()
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &OriginalProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FrameworkMapHost";
        return RegisterClassW(&wc);
    }();
    return CreateWindowW(MAKEINTATOM(atom), L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

class Probe : public CWnd {
public:
    std::vector<std::wstring> calls;
    UINT lastUint = 0;
    LPARAM lastLParam = 0;
    CPoint lastPoint;

protected:
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        calls.push_back(L"OnSysCommand");
        lastUint = nID;
        lastLParam = lParam;
    }
    afx_msg HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(0x1234); }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    {
        calls.push_back(L"OnGetMinMaxInfo");
        lpMMI->ptMaxSize.x = 1024;
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        calls.push_back(L"OnMouseMove");
        lastUint = nFlags;
        lastPoint = point;
    }
    afx_msg void OnDropFiles(HDROP hDropInfo)
    {
        calls.push_back(L"OnDropFiles");
        lastLParam = reinterpret_cast<LPARAM>(hDropInfo);
    }
    afx_msg LRESULT OnAppOne(WPARAM wParam, LPARAM lParam)
    {
        calls.push_back(L"OnAppOne");
        return static_cast<LRESULT>(wParam + lParam);
    }
    // Default processing of the message in hand: the original procedure answers 102.
    afx_msg LRESULT OnAppTwo(WPARAM, LPARAM)
    {
        calls.push_back(L"OnAppTwo");
        return Default() + 1000;
    }
    afx_msg LRESULT OnAppThrows(WPARAM, LPARAM)
    {
        calls.push_back(L"OnAppThrows");
        throw std::runtime_error("a handler's fault");
    }
    afx_msg void OnCommandSeven() { calls.push_back(L"OnCommandSeven"); }
    afx_msg void OnClickedEight() { calls.push_back(L"OnClickedEight"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Probe, CWnd)
    ON_WM_SYSCOMMAND()
    ON_WM_QUERYDRAGICON()
    ON_WM_GETMINMAXINFO()
    ON_WM_MOUSEMOVE()
    ON_WM_DROPFILES()
    ON_MESSAGE(WM_APP + 1, OnAppOne)
    ON_MESSAGE(WM_APP + 2, OnAppTwo)
    ON_MESSAGE(WM_APP + 9, OnAppThrows)
    ON_COMMAND(7, OnCommandSeven)
    ON_BN_CLICKED(8, OnClickedEight)
END_MESSAGE_MAP()

// A derived map answers first; what it lacks comes from the base map.
class DerivedProbe : public Probe {
protected:
    afx_msg LRESULT OnAppOneDerived(WPARAM, LPARAM)
    {
        calls.push_back(L"OnAppOneDerived");
        return 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedProbe, Probe)
    ON_MESSAGE(WM_APP + 1, OnAppOneDerived)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hWnd = CreateHost();
        ASSERT_NE(hWnd, nullptr);
        g_reachedOriginal.clear();
    }
    void TearDown() override
    {
        if (IsWindow(hWnd)) DestroyWindow(hWnd);
    }
    bool ReachedOriginal(UINT message) const
    {
        for (UINT m : g_reachedOriginal)
            if (m == message) return true;
        return false;
    }
    HWND hWnd = nullptr;
};

TEST_F(MessageMapTest, EntriesCallTheirHandlersWithUnpackedArguments)
{
    Probe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));
    struct Row {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const wchar_t* handler;
        LRESULT result;
    };
    const Row rows[] = {
        {WM_SYSCOMMAND, 0x10, 0x00050006, L"OnSysCommand", 0},
        {WM_APP + 1, 20, 22, L"OnAppOne", 42},
        {WM_COMMAND, MAKEWPARAM(7, 0), 0, L"OnCommandSeven", 1},
        {WM_COMMAND, MAKEWPARAM(7, 1), 0, L"OnCommandSeven", 1},  // accelerator
        {WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), reinterpret_cast<LPARAM>(hWnd), L"OnClickedEight",
         1},
    };
    for (const Row& row : rows) {
        probe.calls.clear();
        g_reachedOriginal.clear();
        EXPECT_EQ(SendMessageW(hWnd, row.message, row.wParam, row.lParam), row.result)
            << row.handler;
        ASSERT_EQ(probe.calls.size(), 1u) << row.handler;
        EXPECT_EQ(probe.calls[0], row.handler);
        EXPECT_FALSE(ReachedOriginal(row.message)) << row.handler << L" was also defaulted";
    }
    SendMessageW(hWnd, WM_SYSCOMMAND, 0xF123, 77);
    EXPECT_EQ(probe.lastUint, 0xF123u);
    EXPECT_EQ(probe.lastLParam, 77);
}

TEST_F(MessageMapTest, TypedHandlersGetTheirArgumentsAndResults)
{
    Probe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));

    EXPECT_EQ(SendMessageW(hWnd, WM_QUERYDRAGICON, 0, 0), 0x1234);

    MINMAXINFO info = {};
    SendMessageW(hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxSize.x, 1024);

    // Mouse coordinates are signed 16-bit values.
    SendMessageW(hWnd, WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(-3, 40));
    EXPECT_EQ(probe.lastUint, static_cast<UINT>(MK_SHIFT));
    EXPECT_EQ(probe.lastPoint.x, -3);
    EXPECT_EQ(probe.lastPoint.y, 40);

    SendMessageW(hWnd, WM_DROPFILES, 0xABC0, 0);
    EXPECT_EQ(probe.lastLParam, 0xABC0);
}

TEST_F(MessageMapTest, UnhandledMessagesAndDefaultReachTheOriginalProcedure)
{
    Probe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));
    EXPECT_EQ(SendMessageW(hWnd, WM_APP + 3, 0, 0), 103);  // no entry
    EXPECT_TRUE(ReachedOriginal(WM_APP + 3));
    EXPECT_EQ(SendMessageW(hWnd, WM_APP + 2, 0, 0), 1102);  // handler adds to Default()'s 102
    EXPECT_TRUE(ReachedOriginal(WM_APP + 2));
    // A command without an entry is not handled here either.
    g_reachedOriginal.clear();
    SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(9, 0), 0);
    EXPECT_TRUE(ReachedOriginal(WM_COMMAND));
}

// A child that notifies its parent while it handles a message of its own, as a list view does.
class NotifyingChild : public CWnd {
public:
    static const UINT kCode = 77;
    LRESULT reflectedDefault = -1;

protected:
    afx_msg LRESULT OnAppFive(WPARAM, LPARAM)
    {
        NMHDR header = {m_hWnd, 5, kCode};
        return ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header));
    }
    afx_msg void OnReflected(NMHDR*, LRESULT* pResult)
    {
        reflectedDefault = Default();
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifyingChild, CWnd)
    ON_MESSAGE(WM_APP + 5, OnAppFive)
    ON_NOTIFY_REFLECT(NotifyingChild::kCode, OnReflected)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, ReflectedMessageHasNoDefaultEvenInsideTheChildsOwnMessage)
{
    CWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(hWnd));
    const HWND hChild = CreateWindowW(L"FrameworkMapHost", L"", WS_CHILD, 0, 0, 10, 10, hWnd,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    NotifyingChild child;
    ASSERT_TRUE(child.SubclassWindow(hChild));
    g_reachedOriginal.clear();
    SendMessageW(hChild, WM_APP + 5, 0, 0);
    EXPECT_EQ(child.reflectedDefault, 0);
    // Default processing of the child's own message would have run it a second time.
    EXPECT_FALSE(ReachedOriginal(WM_APP + 5));
}

TEST_F(MessageMapTest, DerivedEntriesComeBeforeBaseEntries)
{
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));
    EXPECT_EQ(SendMessageW(hWnd, WM_APP + 1, 20, 22), 5);
    SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(7, 0), 0);
    EXPECT_EQ(probe.calls, (std::vector<std::wstring>{L"OnAppOneDerived", L"OnCommandSeven"}));
}

TEST_F(MessageMapTest, BindingEndsWithTheWindowOrTheObject)
{
    {
        Probe probe;
        ASSERT_TRUE(probe.SubclassWindow(hWnd));
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &probe);
        EXPECT_EQ(CWnd::FromHandle(hWnd), &probe);
        Probe second;
        EXPECT_FALSE(second.SubclassWindow(hWnd));  // one object per window
    }
    // The object is gone; the window works on with its own procedure.
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(SendMessageW(hWnd, WM_APP + 1, 20, 22), 101);

    Probe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));
    DestroyWindow(hWnd);
    EXPECT_EQ(probe.m_hWnd, nullptr);
    EXPECT_FALSE(probe.SubclassWindow(hWnd));
}

TEST_F(MessageMapTest, WindowWithoutObjectGetsOneTemporaryWrapper)
{
    CWnd* pFirst = CWnd::FromHandle(hWnd);
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pFirst);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    // The wrapper forwards to the window but does not take its messages.
    pFirst->SetWindowText(L"abc");
    wchar_t text[8] = {};
    GetWindowTextW(hWnd, text, static_cast<int>(std::size(text)));
    EXPECT_STREQ(text, L"abc");
    EXPECT_EQ(SendMessageW(hWnd, WM_APP + 1, 0, 0), 101);
}

// A fault stops at the message boundary: the message ends, the window goes on.
TEST_F(MessageMapTest, AHandlerThatThrowsEndsOnlyItsMessage)
{
    Probe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));
    EXPECT_EQ(SendMessageW(hWnd, WM_APP + 9, 0, 0), 0);
    EXPECT_EQ(SendMessageW(hWnd, WM_APP + 1, 2, 3), 5);
    EXPECT_EQ(probe.calls, (std::vector<std::wstring>{L"OnAppThrows", L"OnAppOne"}));
}

}  // namespace
