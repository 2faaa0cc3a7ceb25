// Unit 2 of the sample bank: 表格与表单 (tables, forms, task panes).

#include "samplebank.h"

namespace bankgen {

using page::Table;

namespace {
const QString kFile = QStringLiteral("成绩表.htm");

QString tableScene(SampleBank &b, const QString &key, const Table &t, const QString &status = QStringLiteral("就绪"),
                   const Tw &selectedCell = {})
{
    return b.editor(QStringLiteral("table:") + key, kFile, status, [t, selectedCell](QPainter &p) {
        page::table(p, t);
        if (selectedCell.w > 0)
            draw::selection(p, selectedCell);
    });
}

// "插入表格": rows, columns and border width; rowsText/colsText/border as shown.
struct InsertTable {
    static constexpr Tw size{0, 0, 6000, 3600};
    static constexpr Tw rows{1500, 900, 1500, 330};
    static constexpr Tw cols{1500, 1380, 1500, 330};
    static constexpr Tw border{1800, 1920, 1200, 330};
    static constexpr Tw ok{3390, 2970, 1110, 330};
    static constexpr Tw cancel{4710, 2970, 1110, 330};
    static QString picture(SampleBank &b, const QString &r, const QString &c, const QString &w)
    {
        return b.dialog(QStringLiteral("insertTable:%1:%2:%3").arg(r, c, w), size, QStringLiteral("插入表格"), [=](QPainter &p) {
            draw::text(p, {300, rows.t, 1200, 330}, QStringLiteral("行数(R)："));
            draw::edit(p, rows, r);
            draw::text(p, {300, cols.t, 1200, 330}, QStringLiteral("列数(C)："));
            draw::edit(p, cols, c);
            draw::text(p, {300, border.t, 1500, 330}, QStringLiteral("边框粗细(B)："));
            draw::combo(p, border, w);
            draw::okCancel(p, ok, cancel);
        });
    }
};
} // namespace

Unit unitTables(SampleBank &b)
{
    Unit u{QStringLiteral("表格与表单"), {}};
    const Table plain;
    const QString table = tableScene(b, "plain", plain);

    { // 1. Toolbar button, then two numbers: one confirmed by clicking the next box (0026), one by Enter or OK (0022).
        Question q{QStringLiteral("使用常用工具栏上的“插入表格”按钮，插入一个 3 行 4 列的表格。"), {}, {}};
        const Tw at{3300, 2100, 0, 0};
        q << b.hinted("7000", QStringLiteral("单击常用工具栏上的“插入表格”按钮"))
                 .bars("A3").background(b.editor("table:empty", kFile, QStringLiteral("就绪"), [](QPainter &) {}))
                 .target(1, "H61");
        q << b.hinted("0026", QStringLiteral("3"))
                 .area(1, at.l, at.t, InsertTable::picture(b, "2", "5", "1"))
                 .text1(InsertTable::rows.moved(at.l, at.t)).initialText(b.text("2")).answer(b.text("3"))
                 .label1(InsertTable::cols.moved(at.l, at.t))
                 .backSpec(1, InsertTable::cancel.l + at.l, InsertTable::cancel.t + at.t);
        q << b.hinted("0022", QStringLiteral("4"))
                 .area(1, at.l, at.t, InsertTable::picture(b, "3", "5", "1"))
                 .text1(InsertTable::cols.moved(at.l, at.t)).initialText(b.text("5")).answer(b.text("4"))
                 .label1(InsertTable::ok.moved(at.l, at.t))
                 .backSpec(2, InsertTable::cancel.l + at.l, InsertTable::cancel.t + at.t);
        q << StepRecord("9999").background(tableScene(b, "done", plain, kDone));
        u.questions.push_back(q);
    }
    { // 2. A sub-menu item, a list choice and OK.
        Question q{QStringLiteral("使用“表格”菜单中的“插入”→“表格”命令插入表格，并将边框粗细设置为 2。"), {}, {}};
        const Tw at{3300, 2100, 0, 0};
        const int widths = b.text(QStringLiteral("0|1|2|3|4|5"));
        Table thick;
        thick.thickBorder = true;
        q << b.hinted("7000", QStringLiteral("单击“表格”菜单，指向“插入”，选择“表格”"))
                 .bars("A3").background(b.editor("table:empty", kFile, QStringLiteral("就绪"), [](QPainter &) {}))
                 .target(1, "H070401");
        q << b.hinted(QStringLiteral("L") + digits(widths, 3), QStringLiteral("在“边框粗细”列表中选择 2"))
                 .area(1, at.l, at.t, InsertTable::picture(b, "3", "4", "1"))
                 .text1({at.l + InsertTable::border.l, at.t + InsertTable::border.b(), InsertTable::border.w, 1620})
                 .initialText(1).answer(2);
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, InsertTable::picture(b, "3", "4", "2"))
                 .label1(InsertTable::ok.moved(at.l, at.t))
                 .backSpec(2, InsertTable::cancel.l + at.l, InsertTable::cancel.t + at.t);
        q << StepRecord("9999").background(tableScene(b, "thick", thick, kDone));
        u.questions.push_back(q);
    }
    { // 3. Drag an outline over three cells (0040), then a menu command.
        Question q{QStringLiteral("拖动鼠标选中表格第一行的前三个单元格，然后使用“表格”菜单中的“合并单元格”命令将它们合并。"), {}, {}};
        Table sel;
        sel.selRow1 = 3;
        Table merged;
        merged.merged = true;
        q << b.hinted("0040", QStringLiteral("从“姓名”单元格按下鼠标，拖动到“数学”单元格后松开"))
                 .pane("EE").background(table).cursor("S0002").label4(page::cell(plain, 0, 0)).label1(page::cell(plain, 0, 2));
        q << b.hinted("7000", QStringLiteral("单击“表格”菜单，选择“合并单元格”命令"))
                 .bars("A3").background(tableScene(b, "selRow1", sel)).target(1, "H0709");
        q << StepRecord("9999").background(tableScene(b, "merged", merged, kDone));
        u.questions.push_back(q);
    }
    { // 4. An outline drag with Shift held (0041), then Delete.
        Question q{QStringLiteral("按住 Shift 键，从第一列的第一个单元格拖动到第三个单元格，选中后按 Delete 键清除它们的内容。"), {}, {}};
        Table sel;
        sel.selColA = 3;
        Table cleared;
        cleared.clearedA = true;
        q << b.hinted("0041", QStringLiteral("按住 Shift 键，从“姓名”单元格拖动到“李四”单元格"))
                 .pane("EE").background(table).cursor("S0002").label4(page::cell(plain, 0, 0)).label1(page::cell(plain, 2, 0));
        q << b.hinted(StepRecord::keyCode(0, 46), QStringLiteral("按 Delete 键")).background(tableScene(b, "selColA", sel));
        q << StepRecord("9999").background(tableScene(b, "clearedA", cleared, kDone));
        u.questions.push_back(q);
    }
    { // 5. Drag and drop with the pointer from a cursor file (0050, cursor M07).
        Question q{QStringLiteral("将文件夹列表中的图片 photo.jpg 拖动到表格第二行第二个单元格（“85”所在的单元格）中。"), {}, {}};
        Table photo;
        photo.photoB2 = true;
        q << b.hinted("0050", QStringLiteral("将 photo.jpg 拖动到“85”所在的单元格"))
                 .bars("EE").background(table).cursor("M0007")
                 .label4(page::fileRow(5)).label1(page::cell(plain, 1, 1));
        q << StepRecord("9999").background(tableScene(b, "photo", photo, kDone));
        u.questions.push_back(q);
    }
    { // 6. Drag and drop with Ctrl held and a standard drag pointer; the drop names the next step.
        Question q{QStringLiteral("按住 Ctrl 键，将“姓名”单元格中的文字拖动到第三行第一个单元格中，复制这些文字。"), {}, {}};
        Table copied;
        copied.copyA3 = true;
        q << b.hinted("0052", QStringLiteral("按住 Ctrl 键，将“姓名”拖动到“李四”所在的单元格"))
                 .bars("EE").background(table).cursor("S2015")
                 .label4(page::cell(plain, 0, 0)).label1(page::cell(plain, 2, 0));
        q << StepRecord("9999").background(tableScene(b, "copied", copied, kDone));
        u.questions.push_back(q);
    }
    { // 7. Two handle drags: to the right (8002), then down (8004).
        Question q{QStringLiteral("向右拖动表格第一列的右边框，将列宽加大到红色虚线处；再向下拖动表格的下边框，将表格加高到红色虚线处。"), {}, {}};
        Table wide;
        wide.widthGuide = true;
        Table tall;
        tall.firstColWidth = 2700;
        tall.heightGuide = true;
        Table done;
        done.firstColWidth = 2700;
        done.height = 800;
        const Tw colBorder{page::cell(plain, 0, 1).l - 45, 1950, 90, 1800};
        const Tw bottom{page::kLeft, page::tableRect(tall).b() - 45, page::tableRect(tall).w, 90};
        const QString vHandle = b.piece("vHandle1800", {0, 0, colBorder.w, colBorder.h},
                                        [](QPainter &p) { p.fillRect(0, 0, 6, 120, QColor(60, 60, 200)); });
        const QString hHandle = b.piece("hHandle8100", {0, 0, bottom.w, bottom.h},
                                        [](QPainter &p) { p.fillRect(0, 0, 540, 6, QColor(60, 60, 200)); });
        q << b.hinted("8002", QStringLiteral("向右拖动第一列右边框上的蓝色拖动条，直到红色虚线处"))
                 .background(tableScene(b, "widthGuide", wide)).area(5, colBorder.l, colBorder.t, vHandle)
                 .dragLimit(page::kLeft + 2700 - 45, 0);
        q << b.hinted("8004", QStringLiteral("向下拖动表格下边框上的蓝色拖动条，直到红色虚线处"))
                 .background(tableScene(b, "heightGuide", tall)).area(5, bottom.l, bottom.t, hHandle)
                 .dragLimit(0, 1950 + 2400 - 45);
        q << StepRecord("9999").background(tableScene(b, "resized", done, kDone));
        u.questions.push_back(q);
    }
    { // 8. Right-click menu of family 1, then tab strip C with a check box.
        Question q{QStringLiteral("右键单击表格，选择“表格属性”命令，在“边框”选项卡中选中“显示边框”复选框，然后单击“确定”。"), {}, {}};
        const TabLayout L = tabLayout(u'C');
        const Tw at{3300, 1800, 0, 0};
        const Tw show{360, 1200, 2400, 330};
        const QStringList caps{QStringLiteral("表格"), QStringLiteral("行"), QStringLiteral("边框"), QStringLiteral("列"),
                               QStringLiteral("底纹"), QStringLiteral("单元格")};
        auto borderPage = [show](QPainter &p, bool on) {
            draw::check(p, show, QStringLiteral("显示边框(S)"), on);
            draw::text(p, {360, 1680, 1500, 330}, QStringLiteral("颜色(C)："));
            draw::combo(p, {1860, 1680, 2100, 330}, QStringLiteral("自动"));
            draw::text(p, {360, 2160, 1500, 330}, QStringLiteral("宽度(W)："));
            draw::combo(p, {1860, 2160, 2100, 330}, QStringLiteral("1 磅"));
        };
        addTabPages(b, u'C', QStringLiteral("表格属性"), caps, [borderPage](QPainter &p, int tab) {
            if (tab == 3) {
                borderPage(p, false);
            } else {
                draw::text(p, {360, 1200, 1500, 330}, QStringLiteral("宽度(W)："));
                draw::edit(p, {1860, 1200, 1500, 330}, tab == 1 ? QStringLiteral("100%") : QStringLiteral("自动"));
                draw::check(p, {360, 1680, 3000, 330}, QStringLiteral("指定高度(H)"), false);
            }
        });
        const Tw cancel = L.cancel.moved(at.l, at.t);
        q << b.hinted("3241", QStringLiteral("右键单击表格，选择“表格属性”命令"))
                 .background(table).label1(page::tableRect(plain));
        q << b.hinted("9001", QStringLiteral("选中“显示边框”复选框"))
                 .area(1, at.l, at.t, L.pages[2]).tabs(u'C', 1, 3, 1).label1(show.moved(at.l, at.t));
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, b.pics.add("tabC:border", u'd', tabDialogSize(L), [=](QPainter &p) {
                     drawTabDialog(p, L, QStringLiteral("表格属性"), caps, 3);
                     borderPage(p, true);
                 }))
                 .label1(tabDialogOk(L).moved(at.l, at.t)).backSpec(2, cancel.l, cancel.t);
        Table thick;
        thick.thickBorder = true;
        q << StepRecord("9999").background(tableScene(b, "thick", thick, kDone));
        u.questions.push_back(q);
    }
    { // 9. A form field from a sub-menu, its name typed in a box that keeps its font (0027).
        Question q{QStringLiteral("使用“插入”菜单中的“表单”→“文本框”命令插入一个文本框，并将它的名称设置为 username。"), {}, {}};
        const Tw at{3300, 2400, 0, 0};
        const Tw name{1500, 900, 4200, 330};
        const Tw ok{3270, 2700, 1110, 330}, cancel{4590, 2700, 1110, 330};
        auto props = [=, &b](const QString &n) {
            return b.dialog(QStringLiteral("textField:") + n, {0, 0, 6000, 3300}, QStringLiteral("文本框属性"), [=](QPainter &p) {
                draw::text(p, {300, name.t, 1200, 330}, QStringLiteral("名称(N)："));
                draw::edit(p, name, n);
                draw::text(p, {300, 1380, 1200, 330}, QStringLiteral("初始值(A)："));
                draw::edit(p, {1500, 1380, 4200, 330}, QString());
                draw::text(p, {300, 1860, 1200, 330}, QStringLiteral("宽度(W)："));
                draw::edit(p, {1500, 1860, 1200, 330}, QStringLiteral("20"));
                draw::okCancel(p, ok, cancel);
            });
        };
        Table form;
        form.form = true;
        q << b.hinted("7000", QStringLiteral("单击“插入”菜单，指向“表单”，选择“文本框”"))
                 .bars("A3").background(table).target(1, "H041302");
        q << b.hinted("0027", QStringLiteral("username"))
                 .area(1, at.l, at.t, props(QString())).text1(name.moved(at.l, at.t))
                 .answer(b.text(QStringLiteral("username"))).font("0105000000");
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, props(QStringLiteral("username"))).label1(ok.moved(at.l, at.t))
                 .backSpec(2, cancel.l + at.l, cancel.t + at.t);
        q << StepRecord("9999").background(tableScene(b, "form", form, kDone));
        u.questions.push_back(q);
    }
    { // 10. The task pane (extra panel 32) and an item of its drop-down.
        Question q{QStringLiteral("单击任务窗格的标题，从下拉菜单中选择第三项“剪贴板”，切换到剪贴板任务窗格。"), {}, {}};
        q << b.hinted("7000", QStringLiteral("单击任务窗格的标题，选择“剪贴板”"))
                 .pane("X4").bars("B3").background(table).panel(32, 0, 0, 3);
        q << StepRecord("9999").background(tableScene(b, "done", plain, kDone));
        u.questions.push_back(q);
    }
    { // 11. A pane set over extra panel 36 and an item of its drop-down.
        Question q{QStringLiteral("在“插入表单控件”任务窗格中单击下拉按钮，选择第五项“复选框”。"), {}, {}};
        Table form;
        form.form = true;
        q << b.hinted("7000", QStringLiteral("单击任务窗格，选择“复选框”"))
                 .pane("X2").bars("B3").background(tableScene(b, "form0", form)).panel(36, 8400, 1650, 5);
        q << StepRecord("9999").background(tableScene(b, "form", form, kDone));
        u.questions.push_back(q);
    }
    { // 12. The colour grid that the step opens by itself (preset 33).
        Question q{QStringLiteral("为第二行第二个单元格设置底纹：在已经打开的颜色面板中，单击第二行的第一个颜色（红色）。"), {}, {}};
        Table red;
        red.shading = QColor(255, 0, 0);
        q << b.hinted("7000", QStringLiteral("在颜色面板中单击第二行的第一个颜色"))
                 .bars("A3").background(tableScene(b, "selB2", plain, QStringLiteral("就绪"), page::cell(plain, 1, 1)))
                 .panel(33, 7200, 2100, 9);
        q << StepRecord("9999").background(tableScene(b, "red", red, kDone));
        u.questions.push_back(q);
    }
    { // 13. A menu item marked with its own pictures ("D" target).
        Question q{QStringLiteral("使用“表格”菜单中的“绘制表格”命令（菜单中已用标记显示该命令）。"), {}, {}};
        q << b.hinted("0000", QStringLiteral("单击“表格”菜单，选择带标记的“绘制表格”命令"))
                 .bars("A3").background(table).target(3, "D070307031");
        q << StepRecord("9999").background(tableScene(b, "draw", plain, QStringLiteral("绘制表格：拖动鼠标绘制表格")));
        u.questions.push_back(q);
    }
    { // 14. Clicks with Alt and with Ctrl held.
        Question q{QStringLiteral("按住 Alt 键单击表格第一列选中该列，再按住 Ctrl 键单击第三列，同时选中第三列。"), {}, {}};
        Table colA;
        colA.colA = true;
        Table both;
        both.colA = both.colC = true;
        const Tw colARect{page::kLeft, 1950, 1800, 1800};
        const Tw colCRect{page::cell(plain, 0, 2).l, 1950, 1800, 1800};
        q << b.hinted("9401", QStringLiteral("按住 Alt 键单击第一列")).background(table).label1(colARect);
        q << b.hinted("9201", QStringLiteral("按住 Ctrl 键单击第三列"))
                 .background(tableScene(b, "colA", colA)).label1(colCRect);
        q << StepRecord("9999").background(tableScene(b, "colAC", both, kDone));
        u.questions.push_back(q);
    }
    return u;
}

} // namespace bankgen
