// Drawing objects and DCs: fills, selections, ownership, and no GDI leak across paints.
#include <gtest/gtest.h>

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "tests/framework/TestDialog.h"
#include "tests/support/Pixels.h"

namespace {

TEST(DrawingTest, FillSolidRectFillsExactlyAndKeepsTheColourAsBackground)
{
    PixelCanvas canvas(20, 10, RGB(0, 0, 0));
    CDC* pDC = CDC::FromHandle(canvas.dc());
    ASSERT_NE(pDC, nullptr);
    EXPECT_EQ(CDC::FromHandle(canvas.dc()), pDC);
    pDC->FillSolidRect(CRect(2, 3, 6, 8), RGB(12, 34, 56));
    EXPECT_EQ(GetBkColor(canvas.dc()), RGB(12, 34, 56));
    EXPECT_EQ(canvas.At(2, 3), RGB(12, 34, 56));
    EXPECT_EQ(canvas.At(5, 7), RGB(12, 34, 56));
    EXPECT_EQ(canvas.At(6, 7), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(5, 8), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(1, 3), RGB(0, 0, 0));
}

TEST(DrawingTest, SelectionsReturnTheReplacedObjectAndLinesUseTheSelectedPen)
{
    PixelCanvas canvas(20, 10, RGB(255, 255, 255));
    CDC* pDC = CDC::FromHandle(canvas.dc());
    HGDIOBJ original = GetCurrentObject(canvas.dc(), OBJ_PEN);
    CPen pen(PS_SOLID, 1, RGB(200, 0, 0));
    CPen* pOld = pDC->SelectObject(&pen);
    ASSERT_NE(pOld, nullptr);
    EXPECT_EQ(pOld->GetSafeHandle(), original);
    EXPECT_EQ(pDC->MoveTo(1, 4), CPoint(0, 0));
    pDC->LineTo(10, 4);
    EXPECT_EQ(pDC->SelectObject(pOld)->GetSafeHandle(), pen.GetSafeHandle());
    EXPECT_EQ(canvas.At(1, 4), RGB(200, 0, 0));
    EXPECT_EQ(canvas.At(9, 4), RGB(200, 0, 0));
    EXPECT_EQ(canvas.At(10, 4), RGB(255, 255, 255));  // LineTo leaves out the end point

    CGdiObject* pFont = pDC->SelectStockObject(SYSTEM_FONT);
    ASSERT_NE(pFont, nullptr);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), GetStockObject(SYSTEM_FONT));
}

TEST(DrawingTest, MadeObjectsAreDeletedButBorrowedHandlesAreNot)
{
    HGDIOBJ made = nullptr;
    {
        CBrush brush(RGB(1, 2, 3));
        made = brush.GetSafeHandle();
        ASSERT_NE(GetObjectType(made), 0u);
    }
    EXPECT_EQ(GetObjectType(made), 0u);

    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 2, RGB(0, 0, 255)));
    HGDIOBJ first = pen.GetSafeHandle();
    ASSERT_TRUE(
        pen.CreatePen(PS_SOLID, 3, RGB(0, 0, 255)));  // a second creation replaces the first
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);

    HPEN borrowed = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
    CPen* pWrapper = CPen::FromHandle(borrowed);
    ASSERT_NE(pWrapper, nullptr);
    EXPECT_EQ(pWrapper->GetSafeHandle(), borrowed);
    EXPECT_EQ(CPen::FromHandle(borrowed), pWrapper);
    EXPECT_NE(GetObjectType(borrowed), 0u);
    EXPECT_TRUE(DeleteObject(borrowed));
    // Dead handles' wrappers are dropped when the next one is made; nothing is deleted twice.
    HPEN another = CreatePen(PS_SOLID, 1, RGB(8, 8, 8));
    EXPECT_NE(CPen::FromHandle(another), nullptr);
    DeleteObject(another);
}

// Draws the way owner-drawn controls do: objects made, selected and released per paint.
class BusyButton : public RecordingButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
        int saved = pDC->SaveDC();
        CPen pen(PS_SOLID, 0, RGB(0, 50, 100));
        CPen* pOldPen = pDC->SelectObject(&pen);
        made.push_back(pen.GetSafeHandle());
        for (int i = 0; i < 8; ++i) {
            CBrush brush(RGB(255 - i, 255, 255));
            made.push_back(brush.GetSafeHandle());
            CRect row(0, i, 10, i + 1);
            pDC->FillRect(row, &brush);
        }
        CFont font;
        font.CreateFont(12, 0, 0, 0, 0, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
        made.push_back(font.GetSafeHandle());
        CFont* pOldFont = pDC->SelectObject(&font);
        pDC->RoundRect(CRect(lpDrawItemStruct->rcItem), CPoint(5, 5));
        pDC->SelectObject(pOldFont);
        pDC->SelectObject(pOldPen);
        pDC->RestoreDC(saved);
        ++paints;
    }
    int paints = 0;
    std::vector<HGDIOBJ> made;  // every object made while painting
};

class BusyDialog : public TestDialog {
public:
    BusyButton m_btnBusy;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_DRAWN, m_btnBusy); }
};

TEST(DrawingTest, OwnerDrawnButtonPaintsThroughReflectionIntoAnyDC)
{
    TestDialog dlg;
    COLORREF face = 0;
    dlg.whenShown = [&](TestDialog& d) {
        PixelCanvas canvas(40, 20, RGB(0, 0, 0));
        SendDlgItemMessageW(d.m_hWnd, IDC_DRAWN, WM_PRINTCLIENT,
                            reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        face = canvas.At(3, 3);
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(face, RecordingButton::kFace);
}

TEST(DrawingTest, ManyPaintsLeaveNoGdiObjectsBehind)
{
    BusyDialog dlg;
    DWORD before = 0;
    DWORD after = 0;
    int paints = 0;
    size_t alive = 0;
    dlg.whenShown = [&](TestDialog& d) {
        HWND hWndButton = GetDlgItem(d.m_hWnd, IDC_DRAWN);
        PixelCanvas canvas(60, 30);
        SendMessageW(hWndButton, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        for (int i = 0; i < 500; ++i) {
            SendMessageW(hWndButton, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()),
                         PRF_CLIENT);
            InvalidateRect(hWndButton, nullptr, TRUE);
            UpdateWindow(hWndButton);
        }
        after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        const BusyButton& button = static_cast<BusyDialog&>(d).m_btnBusy;
        paints = button.paints;
        for (HGDIOBJ object : button.made) alive += GetObjectType(object) != 0;
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_GE(paints, 1000);
    EXPECT_EQ(alive, 0u);
    // Wine's GetGuiResources counts nothing; where it counts, the totals must match too.
    EXPECT_EQ(after, before);
}

}  // namespace
