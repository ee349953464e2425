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
    std::string cls;   // class name, or the predefined class's name for an ordinal
    std::string text;  // in the ANSI code page; "#128" for a resource ordinal
    DWORD style;
    short x, y, cx, cy;
    bool operator==(const Item& o) const
    {
        // Class names are not case-sensitive, and the resource compiler stores them in capitals.
        return id == o.id && ::lstrcmpiA(cls.c_str(), o.cls.c_str()) == 0 && text == o.text &&
               style == o.style && x == o.x && y == o.y && cx == o.cx && cy == o.cy;
    }
};

void PrintTo(const Item& i, std::ostream* os)
{
    *os << i.id << " " << i.cls << " \"" << i.text << "\" 0x" << std::hex << i.style << std::dec
        << " " << i.x << "," << i.y << "," << i.cx << "," << i.cy;
}

struct Template {
    DWORD style, exStyle;
    short cx, cy;
    std::string title, font;
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
    std::string Text()
    {
        std::wstring wide;
        for (WCHAR c; (c = Take<WCHAR>()) != 0;) wide += c;
        char buffer[512] = {};
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, buffer, sizeof buffer, NULL, NULL);
        return buffer;
    }
    // A text, or "#n" for an ordinal.
    std::string TextOrOrdinal()
    {
        const WORD first = Take<WORD>();
        if (first == 0xFFFF) return "#" + std::to_string(Take<WORD>());
        m_p -= sizeof(WORD);
        return Text();
    }
    void AlignDword(const BYTE* base) { m_p = base + ((m_p - base + 3) & ~3); }

private:
    const BYTE* m_p;
};

std::string ClassName(const std::string& stored)
{
    static const char* const predefined[] = {"Button",  "Edit",      "Static",
                                             "ListBox", "ScrollBar", "ComboBox"};
    if (stored.size() > 1 && stored[0] == '#') {
        const int ordinal = std::stoi(stored.substr(1));
        if (ordinal >= 0x80 && ordinal <= 0x85) return predefined[ordinal - 0x80];
    }
    return stored;
}

Template Load(HMODULE module, WORD id)
{
    const HRSRC info = ::FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(id),
                                         MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    Template t = {};
    if (info == NULL) {
        ADD_FAILURE() << "no template " << id << " in Chinese (PRC)";
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
    EXPECT_EQ(r.TextOrOrdinal(), "");  // no menu
    EXPECT_EQ(r.TextOrOrdinal(), "");  // the standard dialog class
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
        m_module = ::LoadLibraryExA(ProgramPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
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
    EXPECT_EQ(t.title, "关于");
    EXPECT_EQ(t.font, "宋体");
    EXPECT_EQ(t.pointSize, 9);
    const std::vector<Item> expected = {
        {-1, "Static", "#128", kChild | SS_ICON, 9, 11, 21, 21},
        {1022, "Static", "", kChild | SS_LEFT, 40, 10, 219, 8},
        {1023, "Static", "", kChild | WS_GROUP | SS_LEFT, 40, 23, 219, 8},
        {IDOK, "Button", "确定", kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 211, 78, 50,
         14},
        {1025, "Static", "", kChild | WS_GROUP | SS_LEFT, 40, 49, 219, 8},
        {1026, "Static", "", kChild | WS_GROUP | SS_LEFT, 40, 62, 219, 8},
        {1024, "Static", "", kChild | WS_GROUP | SS_LEFT, 40, 36, 219, 8},
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
    EXPECT_EQ(t.title, "");
    EXPECT_EQ(t.font, "宋体");
    EXPECT_EQ(t.pointSize, 9);
    const DWORD tab = kChild | WS_TABSTOP;
    const std::vector<Item> expected = {
        {1001, "Edit", "", tab | WS_BORDER | ES_AUTOHSCROLL, 43, 8, 483, 12},
        {1000, "Button", "...", tab | BS_PUSHBUTTON, 529, 8, 20, 12},
        {1019, "ComboBox", "", tab | WS_VSCROLL | CBS_SORT | CBS_DROPDOWN, 43, 37, 500, 263},
        {1017, "Button", "删除目录", tab | BS_AUTOCHECKBOX, 95, 55, 48, 10},
        {1018, "Button", "删除文件", tab | BS_AUTOCHECKBOX, 95, 69, 48, 10},
        {1016, "Button", "现在清理", tab | BS_DEFPUSHBUTTON, 443, 357, 50, 14},
        {IDCANCEL, "Button", "退出", tab | BS_PUSHBUTTON, 497, 357, 50, 14},
        {1010, "Button", "关键字完全匹配", tab | BS_AUTOCHECKBOX, 12, 55, 72, 10},
        {1011, "Button", "大小写匹配", tab | BS_AUTOCHECKBOX, 12, 69, 56, 10},
        {1027, "Static", "清理路径:", kChild | WS_GROUP | SS_LEFT, 5, 10, 37, 8},
        {1031, "Static", "关键字:", kChild | WS_GROUP | SS_LEFT, 12, 40, 29, 8},
        {1029, "Button", "快速设置", kChild | BS_GROUPBOX, 5, 25, 544, 59},
        {1021, "Static", "", kChild | WS_GROUP | SS_LEFT, 5, 360, 436, 8},
        {1028, "SysListView32", "List1", tab | WS_BORDER | LVS_REPORT, 5, 103, 544, 249},
        {1022, "Static", "", kChild | WS_GROUP | SS_LEFT, 5, 90, 544, 8},
    };
    EXPECT_EQ(t.items, expected);
}
