#include "controls/CButtonCl.h"

#include "tests/support/Pixels.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

const COLORREF kOutline = RGB(0, 50, 100);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kHoverTop = RGB(252, 210, 121);
const COLORREF kHoverBottom = RGB(229, 151, 0);
const COLORREF kHoverLeft = RGB(250, 196, 88);
const COLORREF kHoverRight = RGB(251, 202, 106);
const COLORREF kFocusTop = RGB(162, 201, 255);
const COLORREF kFocusBottom = RGB(162, 201, 255);
const COLORREF kFocusLeft = RGB(153, 198, 252);
const COLORREF kFocusRight = RGB(162, 189, 252);

const int kWidth = 60;
const int kHeight = 24;  // inner rectangle (2,2,58,22) with the usual edges of 2
const UINT kButtonId = 1016;

// Opens the button's state and pens to the tests.
class ProbeButton : public CButtonCl {
public:
    using CButtonCl::CreateFramePens;
    using CButtonCl::m_bActive;
    using CButtonCl::m_bFocused;
    using CButtonCl::m_bHover;
    using CButtonCl::m_bTracking;
    using CButtonCl::m_penFocusBottom;
    using CButtonCl::m_penFocusLeft;
    using CButtonCl::m_penFocusRight;
    using CButtonCl::m_penFocusTop;
    using CButtonCl::m_penHoverBottom;
    using CButtonCl::m_penHoverLeft;
    using CButtonCl::m_penHoverRight;
    using CButtonCl::m_penHoverTop;
};

LRESULT CALLBACK PlainWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

const wchar_t* ParentClassName()
{
    static const wchar_t* const name = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = PlainWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"VarnelButtonTestParent";
        RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

// A framework window holding one push button bound to a CButtonCl, as a dialog binds its items.
class HoverButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Topmost and off the usual spots, so the pointer tests find this window under the pointer.
        m_hParent = CreateWindowExW(WS_EX_TOPMOST, ParentClassName(), L"", WS_POPUP, 300, 200, 200,
                                    100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hParent);
        m_parent.SubclassWindow(m_hParent);
        m_hButton = MakeButton(BS_PUSHBUTTON);
        m_button.SubclassWindow(m_hButton);
    }

    void TearDown() override { DestroyWindow(m_hParent); }

    HWND MakeButton(DWORD type)
    {
        HWND hButton = CreateWindowExW(
            0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | type, 10, 10, kWidth, kHeight, m_hParent,
            reinterpret_cast<HMENU>(kButtonId), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(hButton, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return hButton;
    }

    // The draw request the button sends its parent, painted into the canvas.
    void Draw(const PixelCanvas& canvas, UINT itemState)
    {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = kButtonId;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = itemState;
        dis.hwndItem = m_hButton;
        dis.hDC = canvas.dc();
        SetRect(&dis.rcItem, 0, 0, canvas.width(), canvas.height());
        SendMessageW(m_hParent, WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&dis));
    }

    void Hover() { SendMessageW(m_hButton, WM_MOUSEHOVER, 0, 0); }

    void SetCaption(const wchar_t* caption) { SetWindowTextW(m_hButton, caption); }

    HWND m_hParent = nullptr;
    HWND m_hButton = nullptr;
    CWnd m_parent;
    ProbeButton m_button;
};

COLORREF Inverted(COLORREF colour)
{
    return colour ^ 0xFFFFFF;
}

// Gradient colour of the 60x24 button's row y: brush (y - 2) * 63 / 20 of the palette whose
// red/green and blue divisors are given.
COLORREF ExpectedRow(int y, int redGreenDivisor, int blueDivisor)
{
    const int band = (y - 2) * 63 / 20;
    return RGB(255 - band / redGreenDivisor, 255 - band / redGreenDivisor,
               255 - band / blueDivisor);
}

TEST_F(HoverButtonTest, BindingMakesPushButtonsOwnerDrawn)
{
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongW(m_hButton, GWL_STYLE) & BS_TYPEMASK);

    ProbeButton defaultButton;
    HWND hDefault = MakeButton(BS_DEFPUSHBUTTON);
    defaultButton.SubclassWindow(hDefault);
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongW(hDefault, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_TRUE(GetWindowLongW(hDefault, GWL_STYLE) & WS_CHILD);
    DestroyWindow(hDefault);
}

TEST_F(HoverButtonTest, DrawsOutlineAndGradientRowsForEachPalette)
{
    const struct {
        UINT state;
        bool hover;
        int redGreenDivisor;
        int blueDivisor;
        COLORREF bottom;
    } cases[] = {
        {0, false, 3, 5, RGB(234, 234, 243)},
        {ODS_DEFAULT, false, 3, 4, RGB(234, 234, 240)},
        {ODS_SELECTED, false, 3, 4, RGB(234, 234, 240)},
        {0, true, 4, 5, RGB(240, 240, 243)},
        {ODS_DEFAULT, true, 4, 3, RGB(240, 240, 234)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << L"state " << c.state << L" hover " << c.hover);
        if (c.hover) Hover();
        const PixelCanvas pixels(kWidth, kHeight);
        Draw(pixels, c.state);

        EXPECT_EQ(kOutline, pixels.At(30, 0));
        EXPECT_EQ(kOutline, pixels.At(30, kHeight - 1));
        EXPECT_EQ(kOutline, pixels.At(0, 12));
        EXPECT_EQ(kOutline, pixels.At(kWidth - 1, 12));
        if (!c.hover) {  // the hover frame covers these rows and columns
            // Between outline and gradient the DC's own (white) brush shows.
            EXPECT_EQ(kWhite, pixels.At(30, 1));
            EXPECT_EQ(kWhite, pixels.At(1, 12));
            EXPECT_EQ(kWhite, pixels.At(kWidth - 2, 12));
            EXPECT_EQ(kWhite, pixels.At(2, 2));
            EXPECT_EQ(c.bottom, pixels.At(2, 22));
            EXPECT_EQ(c.bottom, pixels.At(kWidth - 3, 22));
        }
        for (int y = 3; y <= 21; ++y)
            for (int x = 3; x <= kWidth - 4; ++x)
                ASSERT_EQ(ExpectedRow(y, c.redGreenDivisor, c.blueDivisor), pixels.At(x, y))
                    << x << L"," << y;
        m_button.m_bHover = 0;
    }
}

TEST_F(HoverButtonTest, RowsBetweenTheEndsTakeTheirScaledBand)
{
    const PixelCanvas pixels(kWidth, kHeight);
    Draw(pixels, 0);
    EXPECT_EQ(RGB(254, 254, 255), pixels.At(30, 3));   // band 3
    EXPECT_EQ(RGB(245, 245, 249), pixels.At(30, 12));  // band 31
    EXPECT_EQ(RGB(236, 236, 244), pixels.At(30, 21));  // band 59
}

TEST_F(HoverButtonTest, FrameFollowsHoverAndFocus)
{
    struct Expect {
        COLORREF top, bottom, left, right;
        bool focusRect;
    };
    const struct {
        bool hover;
        UINT state;
        bool framed;
        Expect frame;
    } cases[] = {
        {true, 0, true, {kHoverTop, kHoverBottom, kHoverLeft, kHoverRight, false}},
        {true, ODS_FOCUS, true, {kHoverTop, kHoverBottom, kHoverLeft, kHoverRight, false}},
        {false, ODS_FOCUS, true, {kFocusTop, kFocusBottom, kFocusLeft, kFocusRight, true}},
        {false, 0, false, {}},
        {false, ODS_DEFAULT, false, {}},
        {false, ODS_SELECTED, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << L"hover " << c.hover << L" state " << c.state);
        if (c.hover) Hover();
        const PixelCanvas pixels(kWidth, kHeight);
        Draw(pixels, c.state);
        if (!c.framed) {
            for (int x = 3; x <= kWidth - 4; ++x) {
                ASSERT_EQ(kWhite, pixels.At(x, 1)) << x;
                ASSERT_EQ(kWhite, pixels.At(x, 2)) << x;
                ASSERT_NE(kHoverBottom, pixels.At(x, 22)) << x;
                ASSERT_NE(kFocusBottom, pixels.At(x, 22)) << x;
            }
            EXPECT_EQ(kWhite, pixels.At(1, 12));
            EXPECT_EQ(kWhite, pixels.At(kWidth - 2, 12));
        } else {
            // Two-pixel lines: top over rows 1-2, left over columns 1-2, right over columns
            // 57-58; the one-pixel bottom line on row 22 stops short of the corners.
            std::vector<COLORREF> focusRow;
            for (int x = 4; x <= kWidth - 5; ++x) {
                ASSERT_EQ(c.frame.top, pixels.At(x, 1)) << x;
                focusRow.push_back(pixels.At(x, 2));
                ASSERT_EQ(c.frame.bottom, pixels.At(x, 22)) << x;
            }
            EXPECT_NE(c.frame.bottom, pixels.At(2, 22));
            EXPECT_NE(c.frame.bottom, pixels.At(kWidth - 2, 22));
            for (int y = 4; y <= 19; ++y) {
                ASSERT_EQ(c.frame.left, pixels.At(1, y)) << y;
                ASSERT_EQ(c.frame.right, pixels.At(kWidth - 2, y)) << y;
            }
            // The focus rectangle inverts every other pixel of the inner rectangle's edge.
            int inverted = 0;
            for (COLORREF colour : focusRow) {
                ASSERT_TRUE(colour == c.frame.top || colour == Inverted(c.frame.top));
                if (colour == Inverted(c.frame.top)) ++inverted;
            }
            if (c.frame.focusRect)
                EXPECT_NEAR(int(focusRow.size()) / 2, inverted, 1);
            else
                EXPECT_EQ(0, inverted);
        }
        m_button.m_bHover = 0;
    }
}

TEST_F(HoverButtonTest, EveryDrawTakesFocusAndActiveFromTheItemState)
{
    const struct {
        UINT state;
        BOOL focused;
        BOOL active;
    } cases[] = {
        {ODS_FOCUS, 1, 1},    {0, 0, 0}, {ODS_DEFAULT, 0, 1}, {ODS_SELECTED | ODS_DISABLED, 0, 1},
        {ODS_DISABLED, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        const PixelCanvas pixels(kWidth, kHeight);
        Draw(pixels, c.state);
        EXPECT_EQ(c.focused, m_button.m_bFocused);
        EXPECT_EQ(c.active, m_button.m_bActive);
    }
}

TEST_F(HoverButtonTest, DrawingLeavesTheDeviceContextAsItFoundIt)
{
    const PixelCanvas pixels(kWidth, kHeight);
    HDC hdc = pixels.dc();
    const HGDIOBJ pen = GetCurrentObject(hdc, OBJ_PEN);
    const HGDIOBJ font = GetCurrentObject(hdc, OBJ_FONT);
    MoveToEx(hdc, 7, 9, nullptr);
    Hover();
    SetCaption(L"OK");
    Draw(pixels, ODS_FOCUS);
    EXPECT_EQ(pen, GetCurrentObject(hdc, OBJ_PEN));
    EXPECT_EQ(font, GetCurrentObject(hdc, OBJ_FONT));
    EXPECT_EQ(OPAQUE, GetBkMode(hdc));
    POINT position;
    GetCurrentPositionEx(hdc, &position);
    EXPECT_EQ(7, position.x);
    EXPECT_EQ(9, position.y);
}

TEST_F(HoverButtonTest, ButtonsWithoutInnerHeightDrawOnlyTheirOutline)
{
    // The outline's inside keeps the DC's own brush: a marker no gradient band is.
    const COLORREF kInside = RGB(1, 2, 3);
    const HBRUSH inside = CreateSolidBrush(kInside);
    for (int height : {4, 3}) {  // inner rectangle of zero and of negative height
        SCOPED_TRACE(height);
        const PixelCanvas pixels(kWidth, height);
        const HGDIOBJ previous = SelectObject(pixels.dc(), inside);
        Draw(pixels, 0);
        SelectObject(pixels.dc(), previous);
        EXPECT_EQ(kOutline, pixels.At(30, 0));
        EXPECT_EQ(kOutline, pixels.At(30, height - 1));
        for (int y = 1; y < height - 1; ++y)
            for (int x = 1; x < kWidth - 1; ++x)
                ASSERT_EQ(kInside, pixels.At(x, y)) << x << "," << y;
    }
    DeleteObject(inside);
}

// Pixels of the caption's shadow, the grey an embossed caption is drawn in.
std::vector<POINT> ShadowPixels(const PixelCanvas& pixels)
{
    std::vector<POINT> points;
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.At(x, y) == shadow) points.push_back({x, y});
    return points;
}

// The shadow of `caption` embossed at the origin a centred caption of its full extent gets.
std::vector<POINT> ExpectedShadow(const wchar_t* caption, int shift)
{
    const PixelCanvas reference(kWidth, kHeight, RGB(255, 255, 255));
    HDC hdc = reference.dc();
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent;
    GetTextExtentPoint32W(hdc, caption, lstrlenW(caption), &extent);
    const int x = 30 - extent.cx / 2 + shift;  // inner rectangle (2,2,58,22)
    const int y = 12 - extent.cy / 2 + shift;
    DrawStateW(hdc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption), 0, x, y, extent.cx,
               extent.cy, DST_PREFIXTEXT | DSS_DISABLED);
    return ShadowPixels(reference);
}

bool SamePoints(const std::vector<POINT>& a, const std::vector<POINT>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
    return true;
}

TEST_F(HoverButtonTest, DisabledCaptionIsEmbossedAtItsCentredOrigin)
{
    // L"退出" checks a double-byte caption; L"&Go" is centred by its full width, ampersand
    // included, and drawn without it.
    const struct {
        const wchar_t* caption;
        UINT state;
        int shift;
    } cases[] = {
        {L"Go", ODS_DISABLED, 0},
        {L"&Go", ODS_DISABLED, 0},
        {L"退出", ODS_DISABLED, 0},
        {L"Go", ODS_DISABLED | ODS_SELECTED, 1},
        {L"&Go", ODS_DISABLED | ODS_FOCUS, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.caption << L" state " << c.state);
        SetCaption(c.caption);
        const PixelCanvas pixels(kWidth, kHeight);
        Draw(pixels, c.state);
        const std::vector<POINT> shadow = ShadowPixels(pixels);
        EXPECT_FALSE(shadow.empty());
        EXPECT_TRUE(SamePoints(ExpectedShadow(c.caption, c.shift), shadow));
    }
}

// Bounding box of the pixels darker than any gradient colour: the enabled caption's ink.
RECT DarkInk(const PixelCanvas& pixels)
{
    RECT box = {pixels.width(), pixels.height(), -1, -1};
    for (int y = 2; y <= 22; ++y)
        for (int x = 2; x <= kWidth - 3; ++x) {
            const COLORREF c = pixels.At(x, y);
            if (GetRValue(c) < 160 && GetGValue(c) < 160 && GetBValue(c) < 160) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
    return box;
}

TEST_F(HoverButtonTest, PressedCaptionMovesOnePixelRightAndDown)
{
    SetCaption(L"OK");
    const PixelCanvas restingPixels(kWidth, kHeight);
    const PixelCanvas pressedPixels(kWidth, kHeight);
    Draw(restingPixels, ODS_DEFAULT);
    Draw(pressedPixels, ODS_SELECTED);
    const RECT resting = DarkInk(restingPixels);
    const RECT pressed = DarkInk(pressedPixels);
    ASSERT_LT(resting.left, resting.right);
    EXPECT_EQ(resting.left + 1, pressed.left);
    EXPECT_EQ(resting.top + 1, pressed.top);
    EXPECT_EQ(resting.right + 1, pressed.right);
    EXPECT_EQ(resting.bottom + 1, pressed.bottom);
}

TEST_F(HoverButtonTest, EnabledCaptionUsesTheTextColourNotTheEmboss)
{
    SetCaption(L"OK");
    const PixelCanvas enabled(kWidth, kHeight);
    const PixelCanvas disabled(kWidth, kHeight);
    Draw(enabled, 0);
    Draw(disabled, ODS_DISABLED);
    const RECT ink = DarkInk(enabled);
    EXPECT_LT(ink.left, ink.right);
    EXPECT_TRUE(ShadowPixels(enabled).empty());
    const RECT disabledInk = DarkInk(disabled);
    EXPECT_GE(disabledInk.left, disabledInk.right);  // no dark text at all
}

TEST_F(HoverButtonTest, ButtonWithoutAFontWritesInTheDeviceContextsFont)
{
    SendMessageW(m_hButton, WM_SETFONT, 0, FALSE);
    SetCaption(L"OK");
    const PixelCanvas pixels(kWidth, kHeight);
    const HGDIOBJ font = GetCurrentObject(pixels.dc(), OBJ_FONT);
    Draw(pixels, 0);
    const RECT ink = DarkInk(pixels);
    EXPECT_LT(ink.left, ink.right);
    EXPECT_EQ(font, GetCurrentObject(pixels.dc(), OBJ_FONT));
}

TEST_F(HoverButtonTest, FramePensAreMadeOnceWithTheirWidthsAndColours)
{
    const struct {
        CPen* pen;
        LONG width;
        COLORREF colour;
    } pens[] = {
        {&m_button.m_penHoverTop, 2, kHoverTop},   {&m_button.m_penHoverBottom, 1, kHoverBottom},
        {&m_button.m_penHoverLeft, 2, kHoverLeft}, {&m_button.m_penHoverRight, 2, kHoverRight},
        {&m_button.m_penFocusTop, 2, kFocusTop},   {&m_button.m_penFocusBottom, 1, kFocusBottom},
        {&m_button.m_penFocusLeft, 2, kFocusLeft}, {&m_button.m_penFocusRight, 2, kFocusRight},
    };
    std::vector<HGDIOBJ> handles;
    for (const auto& p : pens) {
        LOGPEN logPen = {};
        ASSERT_EQ(int(sizeof(logPen)), GetObjectW(p.pen->m_hObject, sizeof(logPen), &logPen));
        EXPECT_EQ(UINT(PS_INSIDEFRAME), logPen.lopnStyle);
        EXPECT_EQ(p.width, logPen.lopnWidth.x);
        EXPECT_EQ(p.colour, logPen.lopnColor);
        handles.push_back(p.pen->m_hObject);
    }
    const PixelCanvas pixels(kWidth, kHeight);
    Hover();
    Draw(pixels, ODS_FOCUS);
    m_button.m_bHover = 0;
    Draw(pixels, ODS_FOCUS);
    for (size_t i = 0; i < handles.size(); ++i) EXPECT_EQ(handles[i], pens[i].pen->m_hObject);
}

TEST_F(HoverButtonTest, FramePensThickenWithTheScale)
{
    const struct {
        UINT dpi;
        LONG wide;    // the top, left and right pens
        LONG narrow;  // the bottom one
    } scales[] = {{120, 3, 1}, {144, 3, 2}, {192, 4, 2}, {96, 2, 1}};
    for (const auto& scale : scales) {
        SCOPED_TRACE(scale.dpi);
        m_button.CreateFramePens(scale.dpi);
        const struct {
            CPen* pen;
            LONG width;
        } pens[] = {{&m_button.m_penHoverTop, scale.wide},
                    {&m_button.m_penFocusLeft, scale.wide},
                    {&m_button.m_penHoverBottom, scale.narrow},
                    {&m_button.m_penFocusBottom, scale.narrow}};
        for (const auto& p : pens) {
            LOGPEN logPen = {};
            ASSERT_EQ(int(sizeof(logPen)), GetObjectW(p.pen->m_hObject, sizeof(logPen), &logPen));
            EXPECT_EQ(p.width, logPen.lopnWidth.x);
        }
    }
}

TEST(HoverButton, DestructionDeletesTheFramePens)
{
    HGDIOBJ pen = nullptr;
    {
        ProbeButton button;
        pen = button.m_penHoverTop.m_hObject;
        EXPECT_EQ(DWORD(OBJ_PEN), GetObjectType(pen));
    }
    EXPECT_EQ(0u, GetObjectType(pen));
}

// Counts the paints and background erases the button receives.
struct PaintCount {
    int paints = 0;
    int erases = 0;
};

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data)
{
    auto* count = reinterpret_cast<PaintCount*>(data);
    if (message == WM_PAINT) ++count->paints;
    if (message == WM_ERASEBKGND) ++count->erases;
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

TEST_F(HoverButtonTest, HoverRepaintsWithEraseAndLeaveWithout)
{
    ShowWindow(m_hParent, SW_SHOWNA);
    UpdateWindow(m_hParent);
    UpdateWindow(m_hButton);
    PaintCount count;
    SetWindowSubclass(m_hButton, CountingProc, 1, reinterpret_cast<DWORD_PTR>(&count));

    SendMessageW(m_hButton, WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(1, m_button.m_bHover);
    UpdateWindow(m_hButton);
    EXPECT_EQ(1, count.paints);
    EXPECT_EQ(1, count.erases);

    m_button.m_bTracking = 1;
    SendMessageW(m_hButton, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, m_button.m_bHover);
    EXPECT_EQ(0, m_button.m_bTracking);
    UpdateWindow(m_hButton);
    EXPECT_EQ(2, count.paints);
    EXPECT_EQ(1, count.erases);
    RemoveWindowSubclass(m_hButton, CountingProc, 1);
}

TEST_F(HoverButtonTest, MovesRequestTrackingOnlyWhileNoneIsInForce)
{
    const LPARAM at = MAKELPARAM(30, 12);
    m_button.m_bTracking = 7;  // a request in force: a new one would store its own result
    SendMessageW(m_hButton, WM_MOUSEMOVE, 0, at);
    SendMessageW(m_hButton, WM_MOUSEMOVE, 0, at);
    EXPECT_EQ(7, m_button.m_bTracking);

    SendMessageW(m_hButton, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, m_button.m_bTracking);
    SendMessageW(m_hButton, WM_MOUSEMOVE, 0, at);
    EXPECT_NE(0, m_button.m_bTracking);
    EXPECT_NE(7, m_button.m_bTracking);
}

// Runs the message loop until `done` holds or two seconds have passed.
template <typename Condition>
bool PumpUntil(Condition done)
{
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < 2000) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
    return done();
}

TEST_F(HoverButtonTest, PointerRestingAndLeavingDriveTheHighlight)
{
    ShowWindow(m_hParent, SW_SHOWNA);
    UpdateWindow(m_hParent);
    RECT button;
    GetWindowRect(m_hButton, &button);
    SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);

    SendMessageW(m_hButton, WM_MOUSEMOVE, 0, MAKELPARAM(30, 12));
    EXPECT_NE(0, m_button.m_bTracking);
    ASSERT_TRUE(PumpUntil([&] { return m_button.m_bHover == 1; }));

    SetCursorPos(button.right + 100, button.bottom + 100);
    ASSERT_TRUE(PumpUntil([&] { return m_button.m_bTracking == 0; }));
    EXPECT_EQ(0, m_button.m_bHover);
}

}  // namespace
