// Unit 3 of the sample bank: 框架与超链接 (frames pages and hyperlinks).

#include "samplebank.h"

namespace bankgen {

using page::Frames;
using page::Home;

namespace {
const QString kFile = QStringLiteral("frames.htm");

QString framesScene(SampleBank &b, const QString &key, const Frames &f, const QString &status = QStringLiteral("就绪"))
{
    return b.editor(QStringLiteral("frames:") + key, kFile, status, [f](QPainter &p) { page::frames(p, f); });
}

QString linkScene(SampleBank &b, const QString &key, const Home &h, const QString &status = QStringLiteral("就绪"),
                  const QString &file = QStringLiteral("index.htm"))
{
    return b.editor(QStringLiteral("home:") + key, file, status, [h](QPainter &p) { page::home(p, h); });
}

QString cornerHandle(SampleBank &b)
{
    return b.piece("cornerHandle", {0, 0, 120, 120}, [](QPainter &p) { p.fillRect(0, 0, 8, 8, Qt::black); });
}

// A plain preview window of our own, standing for the browser, opened over
// the editor's page (window twips); its refresh button beside the address.
const Tw kPreview{1200, 1800, 9900, 6300};
const Tw kRefresh{kPreview.l + kPreview.w - 1290, kPreview.t + 420, 1050, 360};

void preview(QPainter &p)
{
    page::frames(p, {});
    p.save();
    p.translate(draw::px(kPreview.l), draw::px(kPreview.t));
    draw::dialog(p, {0, 0, kPreview.w, kPreview.h}, QStringLiteral("预览 - frames.htm"));
    draw::sunken(p, {120, 420, kPreview.w - 1530, 360});
    draw::text(p, {210, 420, kPreview.w - 1620, 360}, QStringLiteral("file:///C:/我的网站/frames.htm"));
    const Tw content{60, 900, kPreview.w - 120, kPreview.h - 960};
    p.fillRect(draw::px(content), Qt::white);
    p.setClipRect(draw::px(content));
    // The page's own area (from 2250, 1500) at the content's corner.
    p.translate(draw::px(content.l - 2250), draw::px(content.t - 1500));
    page::frames(p, {});
    p.restore();
}
} // namespace

Unit unitFrames(SampleBank &b)
{
    Unit u{QStringLiteral("框架与超链接"), {}};
    const Frames plain;
    const QString frames = framesScene(b, "plain", plain);

    { // 1. A menu command, then a radio button and OK.
        Question q{QStringLiteral("使用“框架”菜单中的“拆分框架”命令，将主框架拆分成上下两行。"), {}, {}};
        const Tw at{4200, 3000, 0, 0};
        const Tw cols{600, 720, 3000, 330}, rows{600, 1140, 3000, 330};
        const Tw ok{2070, 1800, 1110, 330}, cancel{3390, 1800, 1110, 330};
        auto split = [=, &b](bool byRows) {
            return b.dialog(byRows ? QStringLiteral("split:rows") : QStringLiteral("split:cols"), {0, 0, 4800, 2400},
                            QStringLiteral("拆分框架"), [=](QPainter &p) {
                                draw::radio(p, cols, QStringLiteral("拆分成列(C)"), !byRows);
                                draw::radio(p, rows, QStringLiteral("拆分成行(R)"), byRows);
                                draw::okCancel(p, ok, cancel);
                            });
        };
        Frames two;
        two.twoRows = true;
        q << b.hinted("7000", QStringLiteral("单击“框架”菜单，选择“拆分框架”命令"))
                 .bars("A3").background(frames).target(1, "H0903");
        q << b.hinted("9001", QStringLiteral("单击“拆分成行”"))
                 .area(1, at.l, at.t, split(false)).label1(rows.moved(at.l, at.t))
                 .backSpec(1, cancel.l + at.l, cancel.t + at.t);
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, split(true)).label1(ok.moved(at.l, at.t))
                 .backSpec(2, cancel.l + at.l, cancel.t + at.t);
        q << StepRecord("9999").background(framesScene(b, "twoRows", two, kDone));
        u.questions.push_back(q);
    }
    { // 2. A plain extra panel (38) as a target, then the drop-down of panel 37.
        Question q{QStringLiteral("单击任务窗格中的“框架网页”，然后单击出现的“网页模板”任务窗格的标题，从下拉菜单中选择第二项“目录”。"), {}, {}};
        q << b.hinted("7000", QStringLiteral("单击任务窗格中的“框架网页”")).bars("B1").background(frames).panel(38, 8400, 1650);
        q << b.hinted("7000", QStringLiteral("单击“网页模板”任务窗格的标题，选择“目录”")).bars("B1").panel(37, 6240, 420, 2);
        q << StepRecord("9999").background(framesScene(b, "done", plain, kDone));
        u.questions.push_back(q);
    }
    { // 3. Insert a hyperlink (menu or Ctrl+K), tab strip J, then an address confirmed by Enter or OK (0022).
        Question q{QStringLiteral("为选中的文字“联系我们”插入超链接，链接到电子邮件地址 info@example.com：使用“插入”菜单中的“超链接”命令（或按 Ctrl+K），在“邮件”选项卡中输入地址后确定。"), {}, {}};
        const TabLayout L = tabLayout(u'J');
        const Tw at{2100, 1500, 0, 0};
        const Tw mail{360, 1560, 6000, 330};
        const QStringList caps{QStringLiteral("网页"), QStringLiteral("邮件")};
        addTabPages(b, u'J', QStringLiteral("插入超链接"), caps, [mail](QPainter &p, int tab) {
            if (tab == 1) {
                draw::text(p, {360, 1200, 3000, 330}, QStringLiteral("地址(E)："));
                draw::combo(p, {360, 1560, 6000, 330}, QString());
                draw::list(p, {360, 2040, 6000, 2400},
                           {QStringLiteral("index.htm"), QStringLiteral("a.htm"), QStringLiteral("b.htm"), QStringLiteral("frames.htm")}, -1);
            } else {
                draw::text(p, {360, 1200, 3000, 330}, QStringLiteral("电子邮件地址(E)："));
                draw::edit(p, mail, QString());
                draw::text(p, {360, 2040, 3000, 330}, QStringLiteral("主题(J)："));
                draw::edit(p, {360, 2400, 6000, 330}, QString());
            }
        });
        const Tw cancel = L.cancel.moved(at.l, at.t);
        Home sel;
        sel.selLink = true;
        q << b.hinted("7000", QStringLiteral("单击“插入”菜单，选择“超链接”命令（也可按 Ctrl+K）"))
                 .bars("A3").background(linkScene(b, "selLink", sel)).target(1, "H0417");
        q << b.hinted("9001", QStringLiteral("单击“电子邮件地址”框"))
                 .area(1, at.l, at.t, L.pages[1]).tabs(u'J', 1, 2, 1).label1(mail.moved(at.l, at.t));
        q << b.hinted("0022", QStringLiteral("mailto:info@example.com|info@example.com"))
                 .area(1, at.l, at.t, L.pages[1]).text1(mail.moved(at.l, at.t))
                 .initialText(b.text(QStringLiteral("mailto:"))) // the box holds the beginning
                 .answer(b.text(QStringLiteral("mailto:info@example.com|info@example.com")))
                 .label1(tabDialogOk(L).moved(at.l, at.t)).backSpec(2, cancel.l, cancel.t);
        q << StepRecord("9999").background(linkScene(b, "linkMade", Home{}, kDone));
        u.questions.push_back(q);
    }
    { // 4. Tab strip F (two rows): tab 8 is shown, tab 3 must be chosen.
        Question q{QStringLiteral("打开“工具”菜单中的“选项”对话框，在“视图”选项卡中选中“显示网格线”，然后单击“确定”。"), {}, {}};
        const TabLayout L = tabLayout(u'F');
        const Tw at{2100, 900, 0, 0};
        const Tw grid{360, 1500, 3000, 330};
        const QStringList caps{QStringLiteral("常规"), QStringLiteral("编辑"), QStringLiteral("视图"), QStringLiteral("打印"),
                               QStringLiteral("保存"), QStringLiteral("拼写检查"), QStringLiteral("文件位置"),
                               QStringLiteral("兼容性"), QStringLiteral("安全性"), QStringLiteral("用户信息")};
        auto viewPage = [grid](QPainter &p, bool on) {
            draw::check(p, grid, QStringLiteral("显示网格线(G)"), on);
            draw::check(p, {360, 1950, 3000, 330}, QStringLiteral("显示状态栏(S)"), true);
            draw::check(p, {360, 2400, 3000, 330}, QStringLiteral("显示标尺(R)"), true);
        };
        addTabPages(b, u'F', QStringLiteral("选项"), caps, [viewPage, caps](QPainter &p, int tab) {
            if (tab == 3) {
                viewPage(p, false);
            } else {
                draw::text(p, {360, 1500, 6000, 330}, caps[tab - 1] + QStringLiteral("选项"));
                draw::check(p, {360, 1950, 3600, 330}, QStringLiteral("启用此项设置(E)"), tab % 2 == 0);
            }
        });
        const Tw cancel = L.cancel.moved(at.l, at.t);
        q << b.hinted("7000", QStringLiteral("单击“工具”菜单，选择“选项”命令"))
                 .bars("A3").background(frames).target(1, "H0615");
        q << b.hinted("9001", QStringLiteral("选中“显示网格线”复选框"))
                 .area(1, at.l, at.t, L.pages[2]).tabs(u'F', 8, 3, 1).label1(grid.moved(at.l, at.t));
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, b.pics.add("tabF:grid", u'd', tabDialogSize(L), [=](QPainter &p) {
                     drawTabDialog(p, L, QStringLiteral("选项"), caps, 3);
                     viewPage(p, true);
                 }))
                 .label1(tabDialogOk(L).moved(at.l, at.t)).backSpec(2, cancel.l, cancel.t);
        q << StepRecord("9999").background(framesScene(b, "done", plain, kDone));
        u.questions.push_back(q);
    }
    { // 5. A cascade item of a right-click menu, two dialogs with Cancel spots, and a list.
        Question q{QStringLiteral("右键单击超链接“联系我们”，选择“超链接”→“超链接属性”，单击“目标框架”按钮，将目标设置为“新建窗口”，然后依次单击两个对话框的“确定”。"), {}, {}};
        const Tw at1{2100, 1800, 0, 0}, at2{3300, 2700, 0, 0};
        const Tw frameButton{4800, 1500, 2400, 330};
        const Tw ok1{4770, 4200, 1110, 330}, cancel1{6090, 4200, 1110, 330};
        const Tw combo{300, 960, 3600, 330};
        const Tw ok2{2670, 3600, 1110, 330}, cancel2{3990, 3600, 1110, 330};
        auto edit = [=, &b](const QString &target) {
            return b.dialog(QStringLiteral("editLink:") + target, {0, 0, 7500, 4800}, QStringLiteral("编辑超链接"), [=](QPainter &p) {
                draw::text(p, {300, 900, 1200, 330}, QStringLiteral("地址(E)："));
                draw::edit(p, {1500, 900, 5700, 330}, QStringLiteral("mailto:info@example.com"));
                draw::text(p, {300, 1500, 1500, 330}, QStringLiteral("目标框架："));
                draw::text(p, {1800, 1500, 2400, 330}, target);
                draw::button(p, frameButton, QStringLiteral("目标框架(G)..."));
                draw::okCancel(p, ok1, cancel1);
            });
        };
        auto target = [=, &b](const QString &chosen) {
            return b.dialog(QStringLiteral("targetFrame:") + chosen, {0, 0, 5400, 4200}, QStringLiteral("目标框架"), [=](QPainter &p) {
                draw::text(p, {300, 600, 3000, 330}, QStringLiteral("常用目标(C)："));
                draw::combo(p, combo, chosen);
                draw::okCancel(p, ok2, cancel2);
            });
        };
        const int targets = b.text(QStringLiteral("页面默认值|相同框架|整页|新建窗口|父框架"));
        q << b.hinted("3112", QStringLiteral("右键单击“联系我们”，指向“超链接”，选择“超链接属性”"))
                 .background(linkScene(b, "plain", {})).label1(page::link());
        q << b.hinted("9001", QStringLiteral("单击“目标框架”按钮"))
                 .area(1, at1.l, at1.t, edit(QStringLiteral("页面默认值"))).label1(frameButton.moved(at1.l, at1.t))
                 .backSpec(1, cancel1.l + at1.l, cancel1.t + at1.t);
        q << b.hinted(QStringLiteral("L") + digits(targets, 3), QStringLiteral("在列表中选择“新建窗口”"))
                 .area(1, at1.l, at1.t, QStringLiteral("888888")).area(2, at2.l, at2.t, target(QStringLiteral("页面默认值")))
                 .text1({at2.l + combo.l, at2.t + combo.b(), combo.w, 1560}).initialText(0).answer(3);
        q << b.hinted("9001", QStringLiteral("单击“目标框架”对话框的“确定”按钮"))
                 .area(1, at1.l, at1.t, QStringLiteral("888888")).area(2, at2.l, at2.t, target(QStringLiteral("新建窗口")))
                 .label1(ok2.moved(at2.l, at2.t))
                 .backSpec(2, cancel2.l + at2.l, cancel2.t + at2.t);
        q << b.hinted("9001", QStringLiteral("单击“编辑超链接”对话框的“确定”按钮"))
                 .area(1, at1.l, at1.t, edit(QStringLiteral("新建窗口"))).label1(ok1.moved(at1.l, at1.t))
                 .backSpec(4, cancel1.l + at1.l, cancel1.t + at1.t);
        q << StepRecord("9999").background(linkScene(b, "saved", {}, kDone));
        u.questions.push_back(q);
    }
    { // 6. Jumps: "No" goes to the end, "Yes" (a picture) to a save dialog whose Cancel comes back.
        Question q{QStringLiteral("关闭当前网页，不保存所做的修改。"), {}, {}};
        const Tw msgAt{3300, 3300, 0, 0};
        const Tw yes{900, 1380, 1110, 330}, no{2145, 1380, 1110, 330}, cancel{3390, 1380, 1110, 330};
        const QString edited = QStringLiteral("index.htm *");
        const QString asking = b.editor("home:askSave", edited, QStringLiteral("就绪"), [=](QPainter &p) {
            page::home(p, {});
            p.translate(draw::px(msgAt.l), draw::px(msgAt.t));
            draw::dialog(p, {0, 0, 5400, 2100}, QStringLiteral("网页编辑器"));
            draw::text(p, {300, 600, 4800, 450}, QStringLiteral("是否保存对 index.htm 的修改？"), 10);
            draw::button(p, yes, QStringLiteral("是(Y)"), true);
            draw::button(p, no, QStringLiteral("否(N)"));
            draw::button(p, cancel, QStringLiteral("取消"));
        });
        const QString yesButton = b.piece("buttonYes", {0, 0, yes.w, yes.h}, [yes](QPainter &p) {
            draw::button(p, {0, 0, yes.w, yes.h}, QStringLiteral("是(Y)"), true);
        });
        const Tw saveAt{2400, 1800, 0, 0};
        q << b.hinted("7000", QStringLiteral("单击“文件”菜单，选择“关闭”命令"))
                 .bars("A3").background(linkScene(b, "edited", {}, QStringLiteral("已修改"), edited)).target(1, "H0103");
        // A click whose jump the demonstration follows too.
        q << b.hinted("0001", QStringLiteral("单击“否”按钮"))
                 .background(asking).label1(no.moved(msgAt.l, msgAt.t), u'4')
                 .area(2, msgAt.l + yes.l, msgAt.t + yes.t, yesButton, u'3')
                 .backSpec(1, msgAt.l + cancel.l, msgAt.t + cancel.t);
        q << b.hinted("9001", QStringLiteral("本题不保存修改：单击“取消”返回"))
                 .area(1, saveAt.l, saveAt.t, saveas::picture(b)).label1(saveas::kCancel.moved(saveAt.l, saveAt.t), u'2');
        q << StepRecord("9999").background(b.editor("closed", QString(), kDone, [](QPainter &p) {
            p.fillRect(draw::px(Tw{2250, 1500, 9510, 6825}), QColor(160, 170, 185));
        }));
        u.questions.push_back(q);
    }
    { // 7. A picture question: a right-click on the toolbars (codes 3301-3399).
        const QString illus = b.illustration("drawingBar", {0, 0, 6000, 4500}, [](QPainter &p) {
            p.fillRect(QRect(0, 0, 400, 300), QColor(195, 217, 249));
            p.fillRect(QRect(0, 0, 400, 20), QColor(40, 76, 140));
            p.fillRect(QRect(0, 30, 400, 240), Qt::white);
            p.fillRect(QRect(0, 270, 400, 30), QColor(226, 233, 243));
            for (int i = 0; i < 14; ++i)
                p.drawRect(40 + 24 * i, 276, 18, 18);
            p.setPen(QPen(QColor(220, 0, 0), 2));
            p.drawRect(2, 271, 396, 27);
            draw::text(p, {0, 2400, 6000, 450}, QStringLiteral("“绘图”工具栏显示在窗口底部"), 11, QColor(200, 0, 0), Qt::AlignCenter);
        });
        Question q{QStringLiteral("请按图示显示“绘图”工具栏：在工具栏上单击右键，从快捷菜单中选择。"), illus, {}};
        // The drawing toolbar's dock under the page is the spot to right-click.
        q << b.hinted("3312", QStringLiteral("在工具栏上单击右键，指向“工具栏”，选择“绘图”"))
                 .bars("A3").background(frames).label1({150, 8340, 6000, 360});
        q << StepRecord("9999").bars("A7");
        u.questions.push_back(q);
    }
    { // 8. A handle drag to the left (8001), then a scene that moves on by itself.
        Question q{QStringLiteral("向左拖动左右两个框架之间的边框，将“目录”框架缩小到红色虚线处。"), {}, {}};
        Frames guide;
        guide.leftGuide = true;
        Frames narrow;
        narrow.leftWidth = 1800;
        const Tw border{2250 + 2700 - 45, 1500, 90, 6825};
        const QString handle = b.piece("vHandle6825", {0, 0, border.w, border.h},
                                       [](QPainter &p) { p.fillRect(0, 0, 6, 455, QColor(60, 60, 200)); });
        q << b.hinted("8001", QStringLiteral("向左拖动框架边框上的蓝色拖动条，直到红色虚线处"))
                 .background(framesScene(b, "leftGuide", guide)).area(5, border.l, border.t, handle)
                 .dragLimit(2250 + 1800 - 45, 0);
        q << StepRecord("8888").background(framesScene(b, "narrowing", narrow, QStringLiteral("正在调整框架大小……")));
        q << StepRecord("9999").background(framesScene(b, "narrow", narrow, kDone));
        u.questions.push_back(q);
    }
    { // 9. Handle drags upwards (8003) and up and to the right (8009).
        Question q{QStringLiteral("先向上拖动标题栏框架的下边框到红色虚线处，再拖动内嵌框架右上角的控制点，将它放大到红色虚线框的大小。"), {}, {}};
        const Tw inner{6000, 4500, 3000, 2100};
        const Tw bigger{6000, 3900, 3900, 2700};
        Frames s1;
        s1.topHeight = 1800;
        s1.inner = inner;
        s1.topGuide = true;
        Frames s2;
        s2.topHeight = 1200;
        s2.inner = inner;
        s2.innerGuide = bigger;
        Frames done;
        done.topHeight = 1200;
        done.inner = bigger;
        const int border = 2250 + 2700;
        const Tw bottomEdge{border, 1500 + 1800 - 45, 11760 - border, 90};
        const QString hHandle = b.piece("hHandle6810", {0, 0, bottomEdge.w, bottomEdge.h},
                                        [](QPainter &p) { p.fillRect(0, 0, 454, 6, QColor(60, 60, 200)); });
        q << b.hinted("8003", QStringLiteral("向上拖动标题栏框架下边框上的蓝色拖动条，直到红色虚线处"))
                 .background(framesScene(b, "topGuide", s1)).area(5, bottomEdge.l, bottomEdge.t, hHandle)
                 .dragLimit(0, 1500 + 1200 - 45);
        q << b.hinted("8009", QStringLiteral("向右上方拖动右上角的控制点，直到虚线框的右上角"))
                 .background(framesScene(b, "innerGuide1", s2)).area(5, inner.r() - 60, inner.t - 60, cornerHandle(b))
                 .dragLimit(bigger.r() - 60, bigger.t - 60);
        q << StepRecord("9999").background(framesScene(b, "innerBig1", done, kDone));
        u.questions.push_back(q);
    }
    { // 10. Handle drags down-left (8006) and up-left (8008).
        Question q{QStringLiteral("拖动内嵌框架左下角的控制点到红色虚线框的左下角，再拖动左上角的控制点到新虚线框的左上角。"), {}, {}};
        const Tw a{6000, 4500, 3000, 2100}, bBox{5100, 4500, 3900, 2700}, c{4500, 3900, 4500, 3300};
        Frames s1;
        s1.inner = a;
        s1.innerGuide = bBox;
        Frames s2;
        s2.inner = bBox;
        s2.innerGuide = c;
        Frames done;
        done.inner = c;
        q << b.hinted("8006", QStringLiteral("向左下方拖动左下角的控制点，直到虚线框的左下角"))
                 .background(framesScene(b, "innerGuide2", s1)).area(5, a.l - 60, a.b() - 60, cornerHandle(b))
                 .dragLimit(bBox.l - 60, bBox.b() - 60);
        q << b.hinted("8008", QStringLiteral("向左上方拖动左上角的控制点，直到虚线框的左上角"))
                 .background(framesScene(b, "innerGuide3", s2)).area(5, bBox.l - 60, bBox.t - 60, cornerHandle(b))
                 .dragLimit(c.l - 60, c.t - 60);
        q << StepRecord("9999").background(framesScene(b, "innerBig2", done, kDone));
        u.questions.push_back(q);
    }
    { // 11. A plain click (0001), exact typing in Text2 (0021), typing confirmed on Label4 (0028).
        Question q{QStringLiteral("在主框架底部的空白处单击，输入版权文字“Copyright 2024”（区分大小写）；再为它设置链接：在“链接”对话框中输入 index.htm，按回车键或单击“确定”。"), {}, {}};
        const Tw foot{5400, 6600, 5400, 360};
        const Tw at{3300, 2400, 0, 0};
        const Tw field{1800, 900, 3600, 330};
        const Tw ok{3000, 1920, 1110, 330}, cancel{4290, 1920, 1110, 330};
        const QString linkDlg = b.dialog("linkTo", {0, 0, 5700, 2700}, QStringLiteral("链接"), [=](QPainter &p) {
            draw::text(p, {300, 900, 1500, 330}, QStringLiteral("链接到(L)："));
            draw::edit(p, field, QString());
            draw::okCancel(p, ok, cancel);
        });
        Frames typed;
        typed.footer = QStringLiteral("Copyright 2024");
        q << b.hinted("0001", QStringLiteral("在主框架底部的空白处单击")).background(frames).label1(foot);
        q << b.hinted("0021", QStringLiteral("Copyright 2024"))
                 .text1(foot).font("0110000000").answer(b.text(QStringLiteral("Copyright 2024")));
        q << b.hinted("0028", QStringLiteral("index.htm"))
                 .background(framesScene(b, "footer", typed)).area(1, at.l, at.t, linkDlg)
                 .text1(field.moved(at.l, at.t)).answer(b.text(QStringLiteral("index.htm")))
                 .label4(ok.moved(at.l, at.t));
        q << StepRecord("9999").background(framesScene(b, "footerDone", typed, kDone));
        u.questions.push_back(q);
    }
    { // 12. The colour grid that the step opens by itself (preset 34).
        Question q{QStringLiteral("设置框架边框的颜色：在已经打开的颜色面板中，单击第二行的第四个颜色（蓝色）。"), {}, {}};
        Frames blue;
        blue.border = QColor(0, 0, 255);
        q << b.hinted("7000", QStringLiteral("在颜色面板中单击第二行的第四个颜色"))
                 .bars("A3").background(frames).panel(34, 6000, 2400, 12);
        q << StepRecord("9999").background(framesScene(b, "blue", blue, kDone));
        u.questions.push_back(q);
    }
    { // 13. A menu item with a function-key shortcut, then a key press with a function-key alternative.
        Question q{QStringLiteral("使用“文件”菜单中的“在浏览器中预览”命令（或按 F12 键）预览网页，然后按 F5 键（或 Ctrl+R）刷新预览，也可单击“刷新”按钮。"), {}, {}};
        const QString shown = b.editor("preview", kFile, QStringLiteral("就绪"), preview);
        q << b.hinted("7000", QStringLiteral("单击“文件”菜单，选择“在浏览器中预览”（也可按 F12 键）"))
                 .bars("A3").background(frames).target(1, "H0113");
        // The refresh button is a picture box of its own: clicking it also refreshes.
        const Tw refresh = kRefresh;
        const QString refreshButton = b.boxPiece("refresh", {0, 0, refresh.w, refresh.h}, [refresh](QPainter &p) {
            draw::button(p, {0, 0, refresh.w, refresh.h}, QStringLiteral("刷新"));
        });
        q << b.hinted(StepRecord::keyCode(2, 82), QStringLiteral("按 F5 键（或 Ctrl+R，或单击“刷新”按钮）刷新"))
                 .background(shown).keyAlt(1, 6016).area(6, refresh.l, refresh.t, refreshButton, u'3');
        q << StepRecord("9999");
        u.questions.push_back(q);
    }
    { // 14. A selection in the code (0023), then case-sensitive typing (0025).
        Question q{QStringLiteral("在代码视图中选中网页标题“我的主页”，然后在下面的框中输入新的标题“Study”（区分大小写）。"), {}, {}};
        const Tw line{page::kLeft, 2400, 7200, 330};
        const Tw box{page::kLeft, 3300, 3600, 330};
        auto code = [=, &b](const QString &title) {
            return b.editor(QStringLiteral("code:") + title, QStringLiteral("index.htm"), QStringLiteral("代码视图"), [=](QPainter &p) {
                static const char *const lines[] = {"<html>", "<head>", "", "</head>", "<body>", "", "</body>", "</html>"};
                for (int i = 0; i < 8; ++i)
                    draw::text(p, {page::kLeft, 1650 + 375 * i, 7200, 330}, QString::fromUtf8(lines[i]), 10, QColor(0, 0, 160));
                draw::text(p, line, QStringLiteral("<title>%1</title>").arg(title), 10, QColor(0, 0, 160));
                draw::text(p, {page::kLeft, box.t - 375, 4000, 330}, QStringLiteral("新标题："), 10);
            });
        };
        q << StepRecord("0023").background(code(QStringLiteral("我的主页")))
                 .hint(kHintLeft, kHintTop, b.text(QStringLiteral("我的主页")))
                 .text1(line).initialText(b.text(QStringLiteral("<title>我的主页</title>"))).font("0100000000");
        q << b.hinted("0025", QStringLiteral("Study")).text1(box).answer(b.text(QStringLiteral("Study")));
        q << StepRecord("9999").background(code(QStringLiteral("Study")));
        u.questions.push_back(q);
    }
    // The questions below walk every path of the bars: menus, sub-menus,
    // toolbar drop-downs, panels and presets, and the jump digits.
    auto menuStep = [&b, &frames](const QString &hint, const QString &target, const char *bars = "A7") {
        return b.hinted("7000", hint).bars(QString::fromLatin1(bars)).background(frames).target(1, target);
    };
    // Their final scene keeps the drawing toolbar their steps show.
    auto barsDone = [&b, &plain] { return StepRecord("9999").bars("A7").background(framesScene(b, "done", plain, kDone)); };
    { // 15. A menu title as the target, then an item of menus 10, 2, 3, 8, 11 and 1.
        Question q{QStringLiteral("单击“窗口”菜单，选择“新建窗口”；再依次使用“编辑”菜单的“定位”、“视图”菜单的“文件夹列表”、"
                                  "“数据”菜单的“导入数据”、“帮助”菜单的“关于本程序”和“文件”菜单的“最近使用的网站”命令。"),
                   {}, {}};
        q << menuStep(QStringLiteral("单击“窗口”菜单"), QStringLiteral("H10"));
        q << menuStep(QStringLiteral("单击“窗口”菜单，选择“新建窗口”"), QStringLiteral("H1001"));
        q << menuStep(QStringLiteral("单击“编辑”菜单，选择“定位”"), QStringLiteral("H0221"));
        q << menuStep(QStringLiteral("单击“视图”菜单，选择“文件夹列表”"), QStringLiteral("H0302"));
        q << menuStep(QStringLiteral("单击“数据”菜单，选择“导入数据”"), QStringLiteral("H0801"));
        q << menuStep(QStringLiteral("单击“帮助”菜单，选择“关于本程序”"), QStringLiteral("H1102"));
        q << menuStep(QStringLiteral("单击“文件”菜单，选择“最近使用的网站”"), QStringLiteral("H0121"));
        q << barsDone();
        u.questions.push_back(q);
    }
    { // 16. Sub-menus: a list with separators, one that opens on the left, two shape grids.
        Question q{QStringLiteral("使用“视图”菜单中的“工具栏”→“格式”命令，再使用“工具”菜单中的“自动更正”→“更正选项”命令；"
                                  "然后单击“绘图”工具栏上的“自选图形”按钮，在“线条”中选择第二行第二个图形，"
                                  "在“基本形状”中选择第三行第四个图形。"),
                   {}, {}};
        q << menuStep(QStringLiteral("“视图”→“工具栏”→“格式”"), QStringLiteral("H030804"));
        q << menuStep(QStringLiteral("“工具”→“自动更正”→“更正选项”"), QStringLiteral("H061201"));
        q << menuStep(QStringLiteral("“自选图形”→“线条”，第二行第二个图形"), QStringLiteral("H130105"));
        q << menuStep(QStringLiteral("“自选图形”→“基本形状”，第三行第四个图形"), QStringLiteral("H130312"));
        q << barsDone();
        u.questions.push_back(q);
    }
    { // 17. The drawing toolbar: a plain button, the shapes list, the colour palettes, the line and 3-D styles.
        Question q{QStringLiteral("在“绘图”工具栏上依次单击“矩形”按钮、“自选图形”中的“其他自选图形”、“填充颜色”中的红色、"
                                  "“线条颜色”中的“无线条颜色”、“虚线线型”的第三种线型和“三维效果样式”第二行的第一种样式。"),
                   {}, {}};
        q << menuStep(QStringLiteral("单击“矩形”按钮"), QStringLiteral("H16"));
        q << menuStep(QStringLiteral("“自选图形”→“其他自选图形”"), QStringLiteral("H1308"));
        q << menuStep(QStringLiteral("“填充颜色”→红色"), QStringLiteral("H2409"));
        q << menuStep(QStringLiteral("“线条颜色”→“无线条颜色”"), QStringLiteral("H2541"));
        q << menuStep(QStringLiteral("“虚线线型”→第三种"), QStringLiteral("H2803"));
        q << menuStep(QStringLiteral("“三维效果样式”→第二行第一种"), QStringLiteral("H3105"));
        q << barsDone();
        u.questions.push_back(q);
    }
    { // 18. The two docked toolbars: plain buttons, every drop-down, and the jump digits.
        Question q{QStringLiteral("依次单击常用工具栏的“查找”按钮和格式工具栏的“倾斜”按钮，然后使用这些下拉菜单：“新建”旁的“网页”、"
                                  "“打开”旁的“打开网站”、“切换窗格”旁的“显示文件夹列表”、“预览”旁的“预览方式三”、"
                                  "“中文简繁转换”的“繁转简”、“样式”的“标题 2”、“字体”的“黑体”、“字号”的“四号”、"
                                  "“框线”第二行的第二种框线、“突出显示”的第五种颜色和“无”。"),
                   {}, {}};
        q << menuStep(QStringLiteral("单击“查找”按钮"), QStringLiteral("H460000002"));
        q << menuStep(QStringLiteral("单击“倾斜”按钮"), QStringLiteral("H74"));
        q << menuStep(QStringLiteral("“新建”旁的箭头→“网页”"), QStringLiteral("H4202"));
        q << menuStep(QStringLiteral("“打开”旁的箭头→“打开网站”"), QStringLiteral("H4401"));
        q << menuStep(QStringLiteral("“切换窗格”旁的箭头→“显示文件夹列表”"), QStringLiteral("H4902"));
        q << menuStep(QStringLiteral("“预览”旁的箭头→“预览方式三”"), QStringLiteral("H5203"));
        q << menuStep(QStringLiteral("“中文简繁转换”→“繁转简”"), QStringLiteral("H6902"));
        q << menuStep(QStringLiteral("“样式”→“标题 2”"), QStringLiteral("H7004"));
        q << menuStep(QStringLiteral("“字体”→“黑体”"), QStringLiteral("H71030000A"));
        q << menuStep(QStringLiteral("“字号”→“四号”"), QStringLiteral("H7205"));
        q << menuStep(QStringLiteral("“框线”→第二行第二种"), QStringLiteral("H8608"));
        q << menuStep(QStringLiteral("“突出显示”→第五种颜色"), QStringLiteral("H8705"));
        q << menuStep(QStringLiteral("“突出显示”→“无”"), QStringLiteral("H8717"));
        q << barsDone();
        u.questions.push_back(q);
    }
    { // 19. A plain extra panel (35) as a target, then the preset colour grid's wide entry.
        Question q{QStringLiteral("单击“搜索”任务窗格，然后在已经打开的颜色面板中单击“无填充颜色”。"), {}, {}};
        q << b.hinted("7000", QStringLiteral("单击“搜索”任务窗格")).bars("B3").background(frames).panel(35, 8400, 1650);
        q << b.hinted("7000", QStringLiteral("单击“无填充颜色”")).bars("A3").background(frames).panel(33, 7200, 2100, 41);
        q << StepRecord("9999").background(framesScene(b, "done", plain, kDone));
        u.questions.push_back(q);
    }
    { // 20. Right-click menus: every group and cascade of one menu (with separators and a group of twelve
      // items), menus named by an "R" and an "RA" override, spots near the right and the bottom edge.
        Question q{QStringLiteral("在框架网页中依次使用快捷菜单：定位、右对齐、刷新、100%、打开、降序、详细信息、属性、删除框架和网页属性。"),
                   {}, {}};
        const Tw spot{4200, 3600, 1800, 600}, nearRight{10800, 3600, 900, 600}, nearBottom{4200, 8100, 1800, 300};
        auto rightClick = [&](const char *code, const char *hint, const Tw &at, const char *override = nullptr) {
            StepRecord r = b.hinted(QString::fromLatin1(code), QString::fromUtf8(hint));
            r.background(frames).label1(at);
            if (override)
                r.menuOverride(QString::fromLatin1(override));
            return r;
        };
        q << rightClick("3429", "右键单击，选择“定位(G)...”", spot);
        q << rightClick("3432", "右键单击，指向“对齐(L)”，选择“右对齐”", nearRight);
        q << rightClick("3440", "右键单击，选择“刷新(R)”", nearBottom);
        q << rightClick("3451", "右键单击，指向“缩放(Z)”，选择“100%”", spot);
        q << rightClick("3462", "右键单击，选择“打开(O)”", spot);
        q << rightClick("3471", "右键单击，指向“排序(S)”，选择“降序”", spot);
        q << rightClick("3483", "右键单击，指向“查看(V)”，选择“详细信息”", spot);
        q << rightClick("3490", "右键单击，选择“属性(P)...”", spot);
        q << rightClick("5421", "右键单击框架，选择“删除框架(D)”", spot, "R5121");
        q << rightClick("8621", "右键单击框架网页，选择“网页属性(P)...”", spot, "RA221");
        q << StepRecord("9999").background(framesScene(b, "done", plain, kDone));
        u.questions.push_back(q);
    }
    return u;
}

} // namespace bankgen
