// Files of the program folder that belong to the bank: the right-click menu
// texts "sMenu.sys" and the drag pointers "ico07.CUR" and "ico00.CUR".

#include "bankgen.h"

#include <array>

namespace bankgen {
namespace {

// One menu block, 15 lines: a free label; then caption and items of cascade 1,
// item group 1, cascade 2, group 2, cascade 3, group 3, cascades 4 and 5, and
// item group 4. "0" hides a caption or a group.
using Block = std::array<const char *, 15>;

const Block kUnused = {"", "0", "", "剪切(T)|复制(C)|粘贴(P)", "0", "", "0", "0", "", "0", "0", "", "0", "", "0"};

// The blocks the sample questions use, by family (1-4) and menu (1-9).
struct Known {
    int family, menu;
    Block lines;
};
const Known kKnown[] = {
    // Right click on the page or on a hyperlink: 3123 "网页属性", 3112 "超链接属性".
    {1, 1, {"网页", "超链接(H)", "打开超链接(O)|复制超链接(C)|超链接属性(R)...", "剪切(T)|复制(C)|粘贴(P)|网页属性(I)...",
            "0", "", "字体(F)...|段落(A)...|项目符号和编号(N)...", "0", "", "0", "0", "", "0", "", "0"}},
    // Right click on a table: 3241 "表格属性".
    {1, 2, {"表格", "插入(I)", "行(R)|列(C)|单元格(E)...", "剪切(T)|复制(C)|粘贴(P)", "删除(D)", "行(R)|列(C)|单元格(E)...",
            "单元格属性(E)...|表格属性(R)...|-|合并单元格(M)", "0", "", "0", "0", "", "0", "", "0"}},
    // Right click on the toolbars: 3312 "绘图".
    {1, 3, {"工具栏", "工具栏(T)", "常用|格式|绘图|表格|图片", "自定义(C)...", "0", "", "0", "0", "", "0", "0", "", "0", "", "0"}},
    // Right click on a picture (override R8123): "图片属性".
    {4, 1, {"图片", "0", "", "剪切(T)|复制(C)|粘贴(P)|图片属性(I)...|超链接(H)...", "0", "", "显示图片工具栏(S)", "0", "",
            "0", "0", "", "0", "", "0"}},
    // Every group and cascade of one menu (34tu), separators, a group of
    // twelve items.
    {1, 4, {"编辑", "排列(A)", "自动排列|对齐到网格",
            "撤消(U)|-|剪切(T)|复制(C)|粘贴(P)|选择性粘贴(S)...|-|全选(A)|查找(F)...|定位(G)...|替换(H)...|属性(I)...",
            "对齐(L)", "左对齐|居中|右对齐|-|两端对齐", "刷新(R)", "缩放(Z)", "50%|100%|200%", "编辑(E)|-|打开(O)", "排序(S)",
            "升序|降序", "查看(V)", "大图标|小图标|列表|详细信息", "属性(P)..."}},
    // Menus named by overrides: R5121 (family 3, menu 1) and RA221 (6221:
    // family 4, menu 2).
    {3, 1, {"框架", "0", "", "拆分框架(S)|删除框架(D)", "0", "", "0", "0", "", "0", "0", "", "0", "", "0"}},
    {4, 2, {"框架网页", "0", "", "框架属性(F)...|网页属性(P)...", "0", "", "0", "0", "", "0", "0", "", "0", "", "0"}},
};

void writeMenus(Context &ctx)
{
    QStringList lines;
    for (int family = 1; family <= 4; ++family) {
        for (int menu = 1; menu <= 9; ++menu) {
            const Block *block = &kUnused;
            for (const Known &k : kKnown)
                if (k.family == family && k.menu == menu)
                    block = &k.lines;
            for (const char *line : *block)
                lines << QString::fromUtf8(line);
        }
    }
    if (lines.size() != 540)
        ctx.errors << QStringLiteral("sMenu.sys has %1 lines, not 540").arg(lines.size());
    else
        ctx.writeLines(ctx.programFile(QStringLiteral("sMenu.sys")), lines);
}

// A drag pointer: an arrow with a small box under it. "#" black, "." white,
// blank transparent. The hot spot is the arrow's tip.
const char *const kPointer[32] = {
    "#", "##", "#.#", "#..#", "#...#", "#....#", "#.....#", "#......#", "#.......#", "#........#",
    "#.....#####", "#..#..#", "#.# #..#", "##  #..#", "#    #..#", "      #..#", "      #..#", "       ##",
    "", "   # # # # #", "   .........", "   #.......#", "   .........", "   #.......#", "   .........",
    "   # # # # #", "", "", "", "", "", "",
};

// The pointer of a drag that copies (the demonstration's drag picture for a
// cursor field beginning "S"): the arrow with a plus in its box.
const char *const kCopyPointer[32] = {
    "#", "##", "#.#", "#..#", "#...#", "#....#", "#.....#", "#......#", "#.......#", "#........#",
    "#.....#####", "#..#..#", "#.# #..#", "##  #..#", "#    #..#", "      #..#", "      #..#", "       ##",
    "", "   #########", "   #...#...#", "   #...#...#", "   #########", "   #...#...#", "   #...#...#",
    "   #########", "", "", "", "", "", "",
};

// A 32 x 32 two-colour cursor file of the pattern, its hot spot at (0, 0).
QByteArray cursorFile(const char *const pattern[32])
{
    const int w = 32, h = 32;
    QByteArray xorMask(w * h / 8, 0), andMask(w * h / 8, char(0xFF));
    for (int y = 0; y < h; ++y) {
        const QByteArray row(pattern[y]);
        for (int x = 0; x < w && x < row.size(); ++x) {
            if (row[x] == ' ')
                continue;
            // Rows are stored bottom-up; the most significant bit is the leftmost pixel.
            const int at = (h - 1 - y) * (w / 8) + x / 8;
            const char bit = char(0x80 >> (x % 8));
            andMask[at] = char(andMask[at] & ~bit);
            if (row[x] == '.')
                xorMask[at] = char(xorMask[at] | bit);
        }
    }
    QByteArray out;
    auto word = [&out](int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    auto dword = [&](int v) { word(v & 0xFFFF); word((v >> 16) & 0xFFFF); };
    const int imageSize = 40 + 8 + xorMask.size() + andMask.size();
    // File header: reserved, type 2 (cursor), one image.
    word(0); word(2); word(1);
    // Directory entry: size, colours, reserved, hot spot x and y, bytes, offset.
    out.append(char(w)).append(char(h)).append(char(0)).append(char(0));
    word(0); word(0);
    dword(imageSize); dword(22);
    // Bitmap header: the height counts the XOR and AND masks together.
    dword(40); dword(w); dword(h * 2); word(1); word(1);
    dword(0); dword(xorMask.size() + andMask.size()); dword(0); dword(0); dword(2); dword(0);
    // Colour table: black, white.
    dword(0x000000); dword(0xFFFFFF);
    out.append(xorMask).append(andMask);
    return out;
}

void writeCursor(Context &ctx)
{
    const QByteArray move = cursorFile(kPointer);
    ctx.writeBytes(ctx.programFile(QStringLiteral("ico07.CUR")), move);
    ctx.writeBytes(ctx.programFile(QStringLiteral("ico00.CUR")), cursorFile(kCopyPointer));
    // The cover's buttons take the same pointer, from the data folder.
    ctx.writeBytes(ctx.dataFile(QStringLiteral("9l0015")), move);
}

} // namespace

BANKGEN_STEP(31, "right-click menus", writeMenus);
BANKGEN_STEP(32, "drag pointer", writeCursor);

} // namespace bankgen
