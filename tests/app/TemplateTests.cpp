// The two dialog templates as stored in Varnel.exe, item by item in tab order.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/app/ProgramPath.h"

namespace {

struct Item {
    int id;
    std::wstring cls;   // class name, or the predefined class's name for an ordinal
    std::wstring text;  // L"#128" for a resource ordinal
    DWORD style;
    short x, y, cx, cy;
    bool operator==(const Item& o) const
    {
        // Class names are not case-sensitive, and the resource compiler stores them in capitals.
        return id == o.id && ::lstrcmpiW(cls.c_str(), o.cls.c_str()) == 0 && text == o.text &&
               style == o.style && x == o.x && y == o.y && cx == o.cx && cy == o.cy;
    }
};

void PrintTo(const Item& i, std::ostream* os)
{
    *os << i.id << " " << ::testing::PrintToString(i.cls) << " " << ::testing::PrintToString(i.text)
        << " 0x" << std::hex << i.style << std::dec << " " << i.x << "," << i.y << "," << i.cx
        << "," << i.cy;
}

struct Template {
    DWORD style, exStyle;
    short cx, cy;
    std::wstring title, font;
    WORD pointSize;
    std::vector<Item> items;
};

class Reader {
public:
    explicit Reader(const BYTE* p)
        : m_p(p)
    {
    }
    template <class T>
    T Take()
    {
        T value;
        std::memcpy(&value, m_p, sizeof value);
        m_p += sizeof value;
        return value;
    }
    std::wstring Text()
    {
        std::wstring text;
        for (WCHAR c; (c = Take<WCHAR>()) != 0;) text += c;
        return text;
    }
    // A text, or L"#n" for an ordinal.
    std::wstring TextOrOrdinal()
    {
        const WORD first = Take<WORD>();
        if (first == 0xFFFF) return L"#" + std::to_wstring(Take<WORD>());
        m_p -= sizeof(WORD);
        return Text();
    }
    void AlignDword(const BYTE* base) { m_p = base + ((m_p - base + 3) & ~3); }

private:
    const BYTE* m_p;
};

std::wstring ClassName(const std::wstring& stored)
{
    static const wchar_t* const predefined[] = {L"Button",  L"Edit",      L"Static",
                                                L"ListBox", L"ScrollBar", L"ComboBox"};
    if (stored.size() > 1 && stored[0] == L'#') {
        const int ordinal = std::stoi(stored.substr(1));
        if (ordinal >= 0x80 && ordinal <= 0x85) return predefined[ordinal - 0x80];
    }
    return stored;
}

Template Load(HMODULE module, WORD id)
{
    const HRSRC info = ::FindResourceExW(module, RT_DIALOG, MAKEINTRESOURCEW(id),
                                         MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    Template t = {};
    if (info == NULL) {
        ADD_FAILURE() << L"no template " << id << L" in Chinese (PRC)";
        return t;
    }
    const auto* base = static_cast<const BYTE*>(::LockResource(::LoadResource(module, info)));
    Reader r(base);
    EXPECT_EQ(r.Take<WORD>(), 1);  // extended template
    EXPECT_EQ(r.Take<WORD>(), 0xFFFF);
    r.Take<DWORD>();  // help id
    t.exStyle = r.Take<DWORD>();
    t.style = r.Take<DWORD>();
    const WORD count = r.Take<WORD>();
    r.Take<short>();
    r.Take<short>();
    t.cx = r.Take<short>();
    t.cy = r.Take<short>();
    EXPECT_EQ(r.TextOrOrdinal(), L"");  // no menu
    EXPECT_EQ(r.TextOrOrdinal(), L"");  // the standard dialog class
    t.title = r.Text();
    t.pointSize = r.Take<WORD>();
    r.Take<WORD>();
    r.Take<BYTE>();
    r.Take<BYTE>();
    t.font = r.Text();
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword(base);
        Item item;
        r.Take<DWORD>();
        EXPECT_EQ(r.Take<DWORD>(), 0u);  // no item has an extended style
        item.style = r.Take<DWORD>();
        item.x = r.Take<short>();
        item.y = r.Take<short>();
        item.cx = r.Take<short>();
        item.cy = r.Take<short>();
        item.id = static_cast<int>(r.Take<DWORD>());
        item.cls = ClassName(r.TextOrOrdinal());
        item.text = r.TextOrOrdinal();
        const WORD extra = r.Take<WORD>();
        EXPECT_EQ(extra, 0);
        t.items.push_back(item);
    }
    return t;
}

const DWORD kChild = WS_CHILD | WS_VISIBLE;

}  // namespace

class DialogTemplates : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_module = ::LoadLibraryExW(ProgramPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_module, nullptr);
    }
    void TearDown() override
    {
        if (m_module) ::FreeLibrary(m_module);
    }
    HMODULE m_module = nullptr;
};

TEST_F(DialogTemplates, AboutBox)
{
    const Template t = Load(m_module, IDD_ABOUTBOX);
    EXPECT_EQ(t.style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(t.cx, 266);
    EXPECT_EQ(t.cy, 96);
    EXPECT_EQ(t.title, L"关于");
    EXPECT_EQ(t.font, L"宋体");
    EXPECT_EQ(t.pointSize, 9);
    const std::vector<Item> expected = {
        {-1, L"Static", L"#128", kChild | SS_ICON, 9, 11, 21, 21},
        {1022, L"Static", L"", kChild | SS_LEFT, 40, 10, 219, 8},
        {1023, L"Static", L"", kChild | WS_GROUP | SS_LEFT, 40, 23, 219, 8},
        {IDOK, L"Button", L"确定", kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 211, 78, 50,
         14},
        {1025, L"Static", L"", kChild | WS_GROUP | SS_LEFT, 40, 49, 219, 8},
        {1026, L"Static", L"", kChild | WS_GROUP | SS_LEFT, 40, 62, 219, 8},
        {1024, L"Static", L"", kChild | WS_GROUP | SS_LEFT, 40, 36, 219, 8},
    };
    EXPECT_EQ(t.items, expected);
}

TEST_F(DialogTemplates, MainDialog)
{
    const Template t = Load(m_module, IDD_VARNEL_DIALOG);
    EXPECT_EQ(t.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                          WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_SETFONT));
    EXPECT_EQ(t.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW | WS_EX_ACCEPTFILES));
    EXPECT_EQ(t.cx, 556);
    EXPECT_EQ(t.cy, 376);
    EXPECT_EQ(t.title, L"");
    EXPECT_EQ(t.font, L"宋体");
    EXPECT_EQ(t.pointSize, 9);
    const DWORD tab = kChild | WS_TABSTOP;
    const std::vector<Item> expected = {
        {1001, L"Edit", L"", tab | WS_BORDER | ES_AUTOHSCROLL, 43, 8, 483, 12},
        {1000, L"Button", L"...", tab | BS_PUSHBUTTON, 529, 8, 20, 12},
        {1019, L"ComboBox", L"", tab | WS_VSCROLL | CBS_SORT | CBS_DROPDOWN, 43, 37, 500, 263},
        {1017, L"Button", L"删除目录", tab | BS_AUTOCHECKBOX, 95, 55, 48, 10},
        {1018, L"Button", L"删除文件", tab | BS_AUTOCHECKBOX, 95, 69, 48, 10},
        {1016, L"Button", L"现在清理", tab | BS_DEFPUSHBUTTON, 443, 357, 50, 14},
        {IDCANCEL, L"Button", L"退出", tab | BS_PUSHBUTTON, 497, 357, 50, 14},
        {1010, L"Button", L"关键字完全匹配", tab | BS_AUTOCHECKBOX, 12, 55, 72, 10},
        {1011, L"Button", L"大小写匹配", tab | BS_AUTOCHECKBOX, 12, 69, 56, 10},
        {1027, L"Static", L"清理路径:", kChild | WS_GROUP | SS_LEFT, 5, 10, 37, 8},
        {1031, L"Static", L"关键字:", kChild | WS_GROUP | SS_LEFT, 12, 40, 29, 8},
        {1029, L"Button", L"快速设置", kChild | BS_GROUPBOX, 5, 25, 544, 59},
        {1021, L"Static", L"", kChild | WS_GROUP | SS_LEFT, 5, 360, 436, 8},
        {1028, L"SysListView32", L"List1", tab | WS_BORDER | LVS_REPORT | LVS_OWNERDATA, 5, 103, 544, 249},
        {1022, L"Static", L"", kChild | WS_GROUP | SS_LEFT, 5, 90, 544, 8},
        // Added last, beside the other options, so nothing above moves.
        {1012, L"Button", L"仅预览", tab | BS_AUTOCHECKBOX, 160, 55, 48, 10},
        {1032, L"Button", L"移到回收站", tab | BS_AUTOCHECKBOX, 160, 69, 56, 10},
        // The rules, right of the options, each edit after its label.
        {1033, L"Static", L"排除:", kChild | WS_GROUP | SS_LEFT, 228, 56, 46, 8},
        {1034, L"Edit", L"", tab | WS_BORDER | ES_AUTOHSCROLL, 276, 54, 267, 12},
        {1035, L"Static", L"未修改天数:", kChild | WS_GROUP | SS_LEFT, 228, 70, 46, 8},
        {1036, L"Edit", L"", tab | WS_BORDER | ES_AUTOHSCROLL, 276, 68, 40, 12},
    };
    EXPECT_EQ(t.items, expected);
}
