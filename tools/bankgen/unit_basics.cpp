// Unit 1 of the sample bank: 网页基础 (pages, text, pictures, files).
// Each question is its text and its steps; each step names its operation
// code, the places the user acts on (window twips) and its texts.

#include "samplebank.h"

namespace bankgen {

using page::Home;

namespace {
const QString kNew = QStringLiteral("新建网页1.htm");
const QString kIndex = QStringLiteral("index.htm");

QString homeScene(SampleBank &b, const QString &key, const Home &h, const QString &file = kIndex,
                  const QString &status = QStringLiteral("就绪"))
{
    return b.editor(QStringLiteral("home:") + key, file, status, [h](QPainter &p) { page::home(p, h); });
}
} // namespace

// "另存为" dialog: shared with the closing question of the frames unit.
namespace saveas {
const Tw kSize{0, 0, 7500, 4500};
const Tw kName{1500, 3330, 3900, 330};
const Tw kSave{5850, 3330, 1350, 330};
const Tw kCancel{5850, 3810, 1350, 330};
QString picture(SampleBank &b)
{
    return b.dialog(QStringLiteral("saveas"), kSize, QStringLiteral("另存为"), [](QPainter &p) {
        draw::text(p, {240, 480, 1260, 330}, QStringLiteral("保存位置(I)："));
        draw::combo(p, {1500, 480, 4200, 330}, QStringLiteral("我的网站"));
        draw::list(p, {240, 930, 6960, 2250},
                   {QStringLiteral("images"), QStringLiteral("a.htm"), QStringLiteral("b.htm"), QStringLiteral("c.htm"),
                    QStringLiteral("d.htm")},
                   -1);
        draw::text(p, {240, 3330, 1260, 330}, QStringLiteral("文件名(N)："));
        draw::edit(p, kName, kNew);
        draw::text(p, {240, 3810, 1260, 330}, QStringLiteral("保存类型(T)："));
        draw::combo(p, {1500, 3810, 3900, 330}, QStringLiteral("网页 (*.htm;*.html)"));
        draw::okCancel(p, kSave, kCancel, QStringLiteral("保存(S)"));
    });
}
} // namespace saveas

Unit unitBasics(SampleBank &b)
{
    Unit u{QStringLiteral("网页基础"), {}};
    const QString home = homeScene(b, QStringLiteral("plain"), {});

    { // 1. New page from the File menu (Ctrl+N also answers it).
        Question q{QStringLiteral("使用“文件”菜单中的“新建”命令新建一个普通网页。"), {}, {}};
        q << b.hinted("7000", QStringLiteral("单击“文件”菜单，选择“新建”命令（也可按 Ctrl+N）"))
                 .bars("A3").background(home).target(1, "H0101");
        q << StepRecord("9999").background(b.editor("blank", kNew, kDone, [](QPainter &) {}));
        u.questions.push_back(q);
    }
    { // 2. Save with the toolbar button, then name the file (0022).
        Question q{QStringLiteral("单击常用工具栏上的“保存”按钮，将当前网页以文件名 index.htm 保存。"), {}, {}};
        const Tw at{2400, 1800, 0, 0};
        q << b.hinted("7000", QStringLiteral("单击常用工具栏上的“保存”按钮"))
                 .bars("A3").background(homeScene(b, "new", {}, kNew)).target(1, "H45");
        q << b.hinted("0022", QStringLiteral("index.htm"))
                 .area(1, at.l, at.t, saveas::picture(b))
                 .text1(saveas::kName.moved(at.l, at.t))
                 .initialText(b.text(kNew)).answer(b.text(QStringLiteral("index.htm")))
                 .label1(saveas::kSave.moved(at.l, at.t))
                 .backSpec(1, saveas::kCancel.l + at.l, saveas::kCancel.t + at.t);
        q << StepRecord("9999").background(homeScene(b, "saved", {}, kIndex, kDone));
        u.questions.push_back(q);
    }
    { // 3. Page properties from the right-click menu; tab strip A, wrong tab shown first.
        Question q{QStringLiteral("在网页空白处单击右键，通过快捷菜单打开“网页属性”对话框，在“常规”选项卡中将网页标题改为“我的主页”，然后单击“确定”。"), {}, {}};
        const TabLayout L = tabLayout(u'A');
        const Tw at{1500, 1500, 0, 0};
        const Tw title{1620, 1530, 5400, 330};
        addTabPages(b, u'A', QStringLiteral("网页属性"),
                    {QStringLiteral("常规"), QStringLiteral("背景"), QStringLiteral("高级")}, [title](QPainter &p, int tab) {
                        if (tab == 1) {
                            draw::text(p, {360, 1080, 1260, 330}, QStringLiteral("位置："));
                            draw::text(p, {1620, 1080, 5400, 330}, QStringLiteral("file:///C:/我的网站/index.htm"));
                            draw::text(p, {360, title.t, 1260, 330}, QStringLiteral("标题(T)："));
                            draw::edit(p, title, QStringLiteral("新建网页1"));
                            draw::text(p, {360, 1980, 1260, 330}, QStringLiteral("网页说明(P)："));
                            draw::edit(p, {1620, 1980, 5400, 330}, QString());
                            draw::text(p, {360, 2430, 1260, 330}, QStringLiteral("关键字(K)："));
                            draw::edit(p, {1620, 2430, 5400, 330}, QString());
                            draw::group(p, {360, 3000, 8160, 1500}, QStringLiteral("背景音乐"));
                            draw::text(p, {600, 3450, 1020, 330}, QStringLiteral("位置(C)："));
                            draw::edit(p, {1620, 3450, 4800, 330}, QString());
                            draw::check(p, {600, 3900, 3000, 330}, QStringLiteral("不限次数(F)"), false);
                        } else if (tab == 2) {
                            draw::check(p, {360, 1140, 3000, 330}, QStringLiteral("背景图片(P)"), false);
                            draw::edit(p, {600, 1560, 5400, 330}, QString());
                            draw::text(p, {360, 2100, 1500, 330}, QStringLiteral("背景(K)："));
                            draw::combo(p, {1860, 2100, 2100, 330}, QStringLiteral("自动"));
                            draw::text(p, {360, 2580, 1500, 330}, QStringLiteral("文本(T)："));
                            draw::combo(p, {1860, 2580, 2100, 330}, QStringLiteral("自动"));
                        } else {
                            draw::group(p, {360, 1080, 4200, 1800}, QStringLiteral("边距"));
                            draw::text(p, {600, 1500, 1500, 330}, QStringLiteral("上边距(T)："));
                            draw::edit(p, {2100, 1500, 1200, 330}, QStringLiteral("0"));
                            draw::text(p, {600, 1980, 1500, 330}, QStringLiteral("左边距(L)："));
                            draw::edit(p, {2100, 1980, 1200, 330}, QStringLiteral("0"));
                        }
                    });
        const Tw cancel = L.cancel.moved(at.l, at.t);
        q << b.hinted("3123", QStringLiteral("在网页空白处单击右键，选择“网页属性”命令"))
                 .background(home).label1({2250, 4500, 9510, 3300});
        q << b.hinted("9001", QStringLiteral("单击“标题”框"))
                 .area(1, at.l, at.t, L.pages[0]).tabs(u'A', 2, 1, 1)
                 .label1(title.moved(at.l, at.t));
        q << b.hinted("0020", QStringLiteral("我的主页"))
                 .area(1, at.l, at.t, L.pages[0])
                 .text1(title.moved(at.l, at.t)).initialText(b.text(QStringLiteral("新建网页1")))
                 .answer(b.text(QStringLiteral("我的主页"))).backSpec(2, cancel.l, cancel.t);
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, b.pics.add("tabA:titled", u'd', tabDialogSize(L), [L, title](QPainter &p) {
                     drawTabDialog(p, L, QStringLiteral("网页属性"),
                                   {QStringLiteral("常规"), QStringLiteral("背景"), QStringLiteral("高级")}, 1);
                     draw::text(p, {360, title.t, 1260, 330}, QStringLiteral("标题(T)："));
                     draw::edit(p, title, QStringLiteral("我的主页"));
                 }))
                 .label1(tabDialogOk(L).moved(at.l, at.t)).backSpec(3, cancel.l, cancel.t);
        q << StepRecord("9999").background(homeScene(b, "titled", {}, kIndex, QStringLiteral("网页标题：我的主页")));
        u.questions.push_back(q);
    }
    { // 4. Font dialog, tab strip B: the second tab is shown, the first must be chosen.
        Question q{QStringLiteral("使用“格式”菜单中的“字体”命令，将选中的标题文字设置为“加粗 倾斜”。"), {}, {}};
        const TabLayout L = tabLayout(u'B');
        const Tw at{2700, 1800, 0, 0};
        const QStringList caps{QStringLiteral("字体"), QStringLiteral("字符间距"), QStringLiteral("文字效果")};
        const Tw styles{3120, 1320, 1500, 1290};
        auto fontPage = [styles](QPainter &p, int selected) {
            draw::text(p, {240, 990, 2700, 330}, QStringLiteral("中文字体(T)："));
            draw::combo(p, {240, 1320, 2700, 330}, QStringLiteral("宋体"));
            draw::text(p, {240, 1800, 2700, 330}, QStringLiteral("西文字体(F)："));
            draw::combo(p, {240, 2130, 2700, 330}, QStringLiteral("Times New Roman"));
            draw::text(p, {styles.l, 990, 1500, 330}, QStringLiteral("字形(Y)："));
            draw::list(p, styles, {QStringLiteral("常规"), QStringLiteral("倾斜"), QStringLiteral("加粗"), QStringLiteral("加粗 倾斜")},
                       selected);
            draw::text(p, {4800, 990, 900, 330}, QStringLiteral("字号(S)："));
            draw::list(p, {4800, 1320, 900, 1290}, {QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("12"),
                                                    QStringLiteral("14"), QStringLiteral("18")}, 2);
            draw::group(p, {240, 2880, 5520, 1500}, QStringLiteral("预览"));
            draw::text(p, {240, 3180, 5520, 1050}, QStringLiteral("示例文字 AaBbCc"), 14, Qt::black, Qt::AlignCenter,
                       selected >= 2);
        };
        addTabPages(b, u'B', QStringLiteral("字体"), caps, [fontPage](QPainter &p, int tab) {
            if (tab == 1) {
                fontPage(p, 2);
            } else if (tab == 2) {
                draw::text(p, {240, 1080, 1500, 330}, QStringLiteral("缩放(C)："));
                draw::combo(p, {1740, 1080, 2100, 330}, QStringLiteral("100%"));
                draw::text(p, {240, 1560, 1500, 330}, QStringLiteral("间距(S)："));
                draw::combo(p, {1740, 1560, 2100, 330}, QStringLiteral("标准"));
                draw::text(p, {240, 2040, 1500, 330}, QStringLiteral("位置(P)："));
                draw::combo(p, {1740, 2040, 2100, 330}, QStringLiteral("标准"));
            } else {
                draw::check(p, {240, 1080, 2400, 330}, QStringLiteral("删除线(K)"), false);
                draw::check(p, {240, 1500, 2400, 330}, QStringLiteral("上标(P)"), false);
                draw::check(p, {240, 1920, 2400, 330}, QStringLiteral("下标(B)"), false);
                draw::check(p, {2880, 1080, 2400, 330}, QStringLiteral("阴影(W)"), false);
                draw::check(p, {2880, 1500, 2400, 330}, QStringLiteral("空心(O)"), false);
            }
        });
        const Tw boldItalic{styles.l + 30, styles.t + 30 + 255 * 3, styles.w - 60, 255};
        const Tw cancel = L.cancel.moved(at.l, at.t);
        Home sel;
        sel.selHeading = true;
        q << b.hinted("7000", QStringLiteral("单击“格式”菜单，选择“字体”命令"))
                 .bars("A3").background(homeScene(b, "selHeading", sel)).target(1, "H0501");
        q << b.hinted("9001", QStringLiteral("在“字形”列表中单击“加粗 倾斜”"))
                 .area(1, at.l, at.t, L.pages[0]).tabs(u'B', 2, 1, 1)
                 .label1(boldItalic.moved(at.l, at.t));
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, b.pics.add("tabB:boldItalic", u'd', tabDialogSize(L), [L, caps, fontPage](QPainter &p) {
                     drawTabDialog(p, L, QStringLiteral("字体"), caps, 1);
                     fontPage(p, 3);
                 }))
                 .label1(tabDialogOk(L).moved(at.l, at.t)).backSpec(2, cancel.l, cancel.t);
        Home done;
        done.italicHeading = true;
        q << StepRecord("9999").background(homeScene(b, "italicHeading", done, kIndex, kDone));
        u.questions.push_back(q);
    }
    { // 5. Select a phrase in the text (0023), then bold from the toolbar.
        Question q{QStringLiteral("选中正文中的文字“网页制作”，然后单击格式工具栏上的“加粗”按钮。"), {}, {}};
        Home sel;
        sel.selPhrase = true;
        Home bold;
        bold.boldPhrase = true;
        q << StepRecord("0023").background(home).hint(kHintLeft, kHintTop, b.text(QStringLiteral("网页制作")))
                 .text1(page::phraseLine()).initialText(b.text(QStringLiteral("本网站介绍网页制作的基础知识。")))
                 .font("0120000000");
        q << b.hinted("7000", QStringLiteral("单击格式工具栏上的“加粗”按钮"))
                 .bars("A3").background(homeScene(b, "selPhrase", sel)).target(1, "H73");
        q << StepRecord("9999").background(homeScene(b, "boldPhrase", bold, kIndex, kDone));
        u.questions.push_back(q);
    }
    { // 6. Double-click a word, then Ctrl+B.
        Question q{QStringLiteral("双击单词“Welcome”将其选中，然后按 Ctrl+B 键将它加粗。"), {}, {}};
        Home sel;
        sel.selWelcome = true;
        Home bold;
        bold.boldWelcome = true;
        q << b.hinted("0002", QStringLiteral("双击单词“Welcome”")).background(home).label1(page::welcome());
        q << b.hinted(StepRecord::keyCode(2, 66), QStringLiteral("按 Ctrl+B 键"))
                 .background(homeScene(b, "selWelcome", sel));
        q << StepRecord("9999").background(homeScene(b, "boldWelcome", bold, kIndex, kDone));
        u.questions.push_back(q);
    }
    { // 7. A key press with a second key that also answers it, then an automatic scene.
        Question q{QStringLiteral("使用快捷键复制选中的标题文字（按 Ctrl+C 或 Ctrl+Insert 均可）。"), {}, {}};
        Home sel;
        sel.selHeading = true;
        q << b.hinted(StepRecord::keyCode(2, 67), QStringLiteral("按 Ctrl+C 键（或 Ctrl+Insert 键）"))
                 .background(homeScene(b, "selHeading", sel)).keyAlt(1, 6245);
        q << StepRecord("8888").background(homeScene(b, "copied", sel, kIndex, QStringLiteral("已复制到剪贴板")));
        q << StepRecord("9999");
        u.questions.push_back(q);
    }
    { // 8. Pointing at a link, then the tip shows by itself.
        Question q{QStringLiteral("将鼠标指向超链接“联系我们”，查看它链接到的地址。"), {}, {}};
        Home tip;
        tip.linkTip = true;
        q << b.hinted("0030", QStringLiteral("将鼠标指向“联系我们”")).background(home).label1(page::link());
        q << StepRecord("8888").background(homeScene(b, "linkTip", tip, kIndex, QStringLiteral("mailto:info@example.com")));
        q << StepRecord("9999");
        u.questions.push_back(q);
    }
    { // 9. A sub-menu item, then a double-click in a file list.
        Question q{QStringLiteral("使用“插入”菜单中的“图片”→“来自文件”命令，在网页中插入图片 logo.gif。"), {}, {}};
        Home noLogo;
        noLogo.logo = false;
        const Tw at{2700, 1800, 0, 0};
        const Tw files{240, 900, 6720, 2700};
        const Tw cancel{5850, 4200, 1110, 330};
        const QString dlg = b.dialog("insertPicture", {0, 0, 7200, 4800}, QStringLiteral("插入图片"), [files, cancel](QPainter &p) {
            draw::text(p, {240, 480, 1500, 330}, QStringLiteral("查找范围(I)："));
            draw::combo(p, {1740, 480, 3600, 330}, QStringLiteral("我的网站"));
            draw::list(p, files, {QStringLiteral("images"), QStringLiteral("photo.jpg"), QStringLiteral("logo.gif"),
                                  QStringLiteral("banner.gif")}, -1);
            draw::okCancel(p, {4560, 4200, 1110, 330}, cancel, QStringLiteral("插入(S)"));
        });
        const Tw logoRow{files.l + 30, files.t + 30 + 255 * 2, files.w - 60, 255};
        q << b.hinted("7000", QStringLiteral("单击“插入”菜单，指向“图片”，选择“来自文件”"))
                 .bars("A3").background(homeScene(b, "noLogo", noLogo)).target(1, "H041201");
        q << b.hinted("0002", QStringLiteral("双击文件 logo.gif"))
                 .area(1, at.l, at.t, dlg).label1(logoRow.moved(at.l, at.t))
                 .backSpec(1, cancel.l + at.l, cancel.t + at.t);
        q << StepRecord("9999").background(homeScene(b, "logoBack", {}, kIndex, kDone));
        u.questions.push_back(q);
    }
    { // 10. A picture question: background colour chosen from a list.
        Home yellow;
        yellow.background = QColor(255, 255, 204);
        const QString illus = b.illustration("yellowPage", {0, 0, 6000, 4500}, [yellow](QPainter &p) {
            p.fillRect(QRect(0, 0, 400, 300), Qt::white);
            p.save();
            p.scale(400.0 / 634, 300.0 / 455);
            p.translate(-150, -100);
            page::home(p, yellow);
            p.restore();
            p.setPen(Qt::darkGray);
            p.drawRect(0, 0, 399, 299);
        });
        Question q{QStringLiteral("请按图示将网页的背景颜色设置为浅黄色。"), illus, {}};
        const Tw at{3000, 2400, 0, 0};
        const Tw combo{1800, 900, 2700, 330};
        const Tw ok{3270, 2700, 1110, 330}, cancel{4590, 2700, 1110, 330};
        auto bgDialog = [=, &b](const QString &colour) {
            return b.dialog(QStringLiteral("background:") + colour, {0, 0, 6000, 3300}, QStringLiteral("背景"),
                            [=](QPainter &p) {
                                draw::text(p, {300, 900, 1500, 330}, QStringLiteral("背景颜色(C)："));
                                draw::combo(p, combo, colour);
                                draw::check(p, {300, 1500, 3000, 330}, QStringLiteral("背景图片(P)"), false);
                                draw::okCancel(p, ok, cancel);
                            });
        };
        const int colours = b.text(QStringLiteral("白色|浅黄色|浅蓝色|浅绿色|银灰色"));
        q << b.hinted("7000", QStringLiteral("单击“格式”菜单，选择“背景”命令"))
                 .bars("A3").background(home).target(1, "H0509");
        q << b.hinted(QStringLiteral("L") + digits(colours, 3), QStringLiteral("在颜色列表中选择“浅黄色”"))
                 .area(1, at.l, at.t, bgDialog(QStringLiteral("白色")))
                 .text1({at.l + combo.l, at.t + combo.b(), combo.w, 1500}).initialText(0).answer(1);
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, bgDialog(QStringLiteral("浅黄色"))).label1(ok.moved(at.l, at.t))
                 .backSpec(2, cancel.l + at.l, cancel.t + at.t);
        q << StepRecord("9999").background(homeScene(b, "yellow", yellow, kIndex, kDone));
        u.questions.push_back(q);
    }
    { // 11. Handle drag down and to the right (8007).
        Question q{QStringLiteral("拖动图片右下角的控制点，将图片放大到红色虚线框的大小。"), {}, {}};
        Home sel;
        sel.logoSelected = true;
        sel.logoGuide = true;
        Home big;
        big.logoSelected = true;
        big.logoBig = true;
        const Tw corner{page::logo().r() - 60, page::logo().b() - 60, 120, 120};
        const QString handle = b.piece("cornerHandle", {0, 0, 120, 120}, [](QPainter &p) { p.fillRect(0, 0, 8, 8, Qt::black); });
        q << b.hinted("8007", QStringLiteral("向右下方拖动图片右下角的控制点，直到虚线框的右下角"))
                 .background(homeScene(b, "logoGuide", sel)).area(5, corner.l, corner.t, handle)
                 .dragLimit(page::logo(true).r() - 60, page::logo(true).b() - 60);
        q << StepRecord("9999").background(homeScene(b, "logoBig", big, kIndex, kDone));
        u.questions.push_back(q);
    }
    { // 12. A right-click menu named by an override, then case-sensitive typing (0025).
        Question q{QStringLiteral("右键单击图片，通过快捷菜单打开“图片属性”对话框，将替换文字设置为“Logo”（区分大小写），然后单击“确定”。"), {}, {}};
        const Tw at{3000, 2100, 0, 0};
        const Tw alt{1800, 900, 4500, 330};
        const Tw ok{3870, 3000, 1110, 300}, cancel{5190, 3000, 1110, 300};
        auto props = [=, &b](const QString &altText) {
            return b.dialog(QStringLiteral("pictureProps:") + altText, {0, 0, 6600, 3600}, QStringLiteral("图片属性"),
                            [=](QPainter &p) {
                                draw::text(p, {300, 900, 1500, 330}, QStringLiteral("替换文字(T)："));
                                draw::edit(p, alt, altText);
                                draw::text(p, {300, 1440, 1500, 330}, QStringLiteral("宽度(W)："));
                                draw::edit(p, {1800, 1440, 1200, 330}, QStringLiteral("160"));
                                draw::text(p, {3300, 1440, 1500, 330}, QStringLiteral("高度(G)："));
                                draw::edit(p, {4800, 1440, 1200, 330}, QStringLiteral("100"));
                                draw::check(p, {300, 1980, 3600, 330}, QStringLiteral("保持纵横比(K)"), true);
                                draw::okCancel(p, ok, cancel);
                            });
        };
        q << b.hinted("0000", QStringLiteral("右键单击图片，选择“图片属性”命令"))
                 .background(home).label1(page::logo()).menuOverride("R8123");
        q << b.hinted("0025", QStringLiteral("Logo"))
                 .area(1, at.l, at.t, props(QString())).text1(alt.moved(at.l, at.t))
                 .answer(b.text(QStringLiteral("Logo")));
        q << b.hinted("9001", QStringLiteral("单击“确定”按钮"))
                 .area(1, at.l, at.t, props(QStringLiteral("Logo"))).label1(ok.moved(at.l, at.t))
                 .backSpec(2, cancel.l + at.l, cancel.t + at.t);
        q << StepRecord("9999").background(homeScene(b, "saved", {}, kIndex, kDone));
        u.questions.push_back(q);
    }
    { // 13. Click, Shift+click, Delete key, then a confirmation whose "No" jumps back.
        Question q{QStringLiteral("在文件夹列表中单击 a.htm，再按住 Shift 键单击 d.htm，选中这四个文件后按 Delete 键删除，并在提示框中确认。"), {}, {}};
        // The folder pane with rows selFrom..selTo marked, or with the four files gone.
        auto filesPainter = [](int selFrom, int selTo, bool deleted) {
            return [=](QPainter &p) {
                page::home(p, {});
                for (int i = selFrom; i <= selTo; ++i)
                    page::highlightFile(p, i);
                if (deleted) {
                    p.fillRect(draw::px(Tw{150, page::fileRow(1).t, 2040, 270 * 7}), QColor(248, 248, 246));
                    static const char *const left[] = {"photo.jpg", "logo.gif", "images"};
                    for (int i = 0; i < 3; ++i) {
                        const Tw r = page::fileRow(1 + i);
                        p.fillRect(draw::px(Tw{r.l, r.t + 45, 165, 165}), i == 2 ? QColor(240, 200, 80) : QColor(120, 180, 120));
                        draw::text(p, {r.l + 240, r.t, r.w - 240, r.h}, QString::fromUtf8(left[i]));
                    }
                }
            };
        };
        // The confirmation is part of the scene; only its "No" button is a
        // picture of its own, whose click jumps back to the Delete step.
        const Tw at{3600, 3000, 0, 0};
        const Tw yes{1500, 1350, 1110, 330}, no{2790, 1350, 1110, 330};
        const QString confirm = b.editor("files:confirm", kIndex, QStringLiteral("就绪"), [=](QPainter &p) {
            filesPainter(1, 4, false)(p);
            p.translate(draw::px(at.l), draw::px(at.t));
            const Tw size{0, 0, 5400, 1950};
            draw::dialog(p, size, QStringLiteral("确认删除"));
            draw::text(p, {300, 600, 4800, 450}, QStringLiteral("确实要删除这 4 个文件吗？"), 10);
            draw::button(p, yes, QStringLiteral("是(Y)"), true);
            draw::button(p, no, QStringLiteral("否(N)"));
        });
        const QString noButton = b.piece("buttonNo", {0, 0, no.w, no.h}, [no](QPainter &p) {
            draw::button(p, {0, 0, no.w, no.h}, QStringLiteral("否(N)"));
        });
        q << b.hinted("9001", QStringLiteral("单击 a.htm"))
                 .background(b.editor("files:none", kIndex, QStringLiteral("就绪"), filesPainter(1, 0, false)))
                 .label1(page::fileRow(1));
        q << b.hinted("9101", QStringLiteral("按住 Shift 键单击 d.htm"))
                 .background(b.editor("files:sel1", kIndex, QStringLiteral("就绪"), filesPainter(1, 1, false)))
                 .label1(page::fileRow(4));
        q << b.hinted(StepRecord::keyCode(0, 46), QStringLiteral("按 Delete 键"))
                 .background(b.editor("files:sel1to4", kIndex, QStringLiteral("就绪"), filesPainter(1, 4, false)));
        q << b.hinted("9001", QStringLiteral("单击“是”按钮确认删除（单击“否”则回到上一步）"))
                 .background(confirm).label1(yes.moved(at.l, at.t))
                 .area(2, at.l + no.l, at.t + no.t, noButton, u'3');
        q << StepRecord("9999").background(b.editor("files:deleted", kIndex, kDone, filesPainter(1, 0, true)));
        u.questions.push_back(q);
    }
    { // 14. A menu item with a shortcut, then a name confirmed by Enter only (0024).
        Question q{QStringLiteral("为选中的标题插入名为 top 的书签：使用“插入”菜单中的“书签”命令（或按 Ctrl+G），输入书签名称后按回车键。"), {}, {}};
        Home sel;
        sel.selHeading = true;
        const Tw at{3600, 2400, 0, 0};
        const Tw name{300, 1200, 4800, 330};
        const Tw cancel{3900, 2040, 1200, 330};
        const QString dlg = b.dialog("bookmark", {0, 0, 5400, 3000}, QStringLiteral("书签"), [=](QPainter &p) {
            draw::text(p, {300, 840, 3000, 330}, QStringLiteral("书签名称(B)："));
            draw::edit(p, name, QString());
            draw::list(p, {300, 1620, 3300, 1050}, {QStringLiteral("contact"), QStringLiteral("news")}, -1);
            draw::okCancel(p, {3900, 1620, 1200, 330}, cancel);
        });
        q << b.hinted("7000", QStringLiteral("单击“插入”菜单，选择“书签”命令（也可按 Ctrl+G）"))
                 .bars("A3").background(homeScene(b, "selHeading", sel)).target(1, "H0416")
                 .target(2, "D041604160"); // the item's own picture in the demonstration
        q << b.hinted("0024", QStringLiteral("top"))
                 .area(1, at.l, at.t, dlg).text1(name.moved(at.l, at.t)).answer(b.text(QStringLiteral("top")))
                 .backSpec(1, cancel.l + at.l, cancel.t + at.t);
        q << StepRecord("9999").background(homeScene(b, "saved", {}, kIndex, kDone));
        u.questions.push_back(q);
    }
    return u;
}

} // namespace bankgen
