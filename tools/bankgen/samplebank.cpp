#include "samplebank.h"

#include "simwin/scene/tabstrip.h"

namespace bankgen {

int SampleBank::text(const QString &s)
{
    const auto it = lineOf_.find(s);
    if (it != lineOf_.end())
        return it->second;
    lines_ << s;
    const int n = int(lines_.size());
    lineOf_[s] = n;
    return n;
}

StepRecord SampleBank::hinted(const QString &code, const QString &hintText)
{
    StepRecord r(code);
    r.hint(kHintLeft, kHintTop, text(hintText));
    return r;
}

QString SampleBank::editor(const QString &key, const QString &fileName, const QString &status,
                           const PictureSet::Painter &page)
{
    return pics.add(QStringLiteral("editor:") + key, u'e', {0, 0, 12000, 9000}, [=](QPainter &p) {
        draw::editorWindow(p, fileName, status);
        page(p);
    });
}

QString SampleBank::dialog(const QString &key, const Tw &size, const QString &title, const PictureSet::Painter &content)
{
    return pics.add(QStringLiteral("dialog:") + key, u'd', size, [=](QPainter &p) {
        draw::dialog(p, size, title);
        content(p);
    });
}

QString SampleBank::piece(const QString &key, const Tw &size, const PictureSet::Painter &content)
{
    return pics.add(QStringLiteral("piece:") + key, u'h', size, content);
}

QString SampleBank::boxPiece(const QString &key, const Tw &size, const PictureSet::Painter &content)
{
    return pics.add(QStringLiteral("box:") + key, u'6', size, content);
}

QString SampleBank::illustration(const QString &key, const Tw &size, const PictureSet::Painter &content)
{
    return pics.add(QStringLiteral("illustration:") + key, u'p', size, content);
}

TabLayout tabLayout(QChar letter)
{
    TabLayout L;
    const auto layout = scene::tabLayout(letter);
    if (!layout)
        return L;
    L.letter = letter;
    L.count = scene::tabCount(*layout);
    L.rowTop = scene::tabRowTop(*layout);
    L.tabHeight = scene::tabHeight(*layout);
    for (int i = 1; i <= L.count; ++i) {
        L.pages << scene::tabPage(*layout, i);
        L.lefts.push_back(scene::tabLeftEdge(*layout, i));
    }
    L.lefts.push_back(scene::tabEndEdge(*layout));
    const QRect c = scene::tabCancelSpot(*layout);
    L.cancel = {c.left(), c.top(), c.width(), c.height()};
    return L;
}

Tw tabDialogSize(const TabLayout &L)
{
    return {0, 0, qMax(L.cancel.r() + 180, L.lefts.back() + 300), L.cancel.b() + 210};
}

Tw tabDialogOk(const TabLayout &L) { return {L.cancel.l - 1230, L.cancel.t, L.cancel.w, L.cancel.h}; }

void drawTabDialog(QPainter &p, const TabLayout &L, const QString &title, const QStringList &captions, int tab)
{
    const Tw size = tabDialogSize(L);
    draw::dialog(p, size, title);
    const bool twoRows = L.count > 9;
    const int chosenRow = (twoRows && tab > 6) ? 2 : 1;
    const int pageTop = L.rowTop + (twoRows ? 300 : 0) + L.tabHeight;
    const Tw pageRect{90, pageTop, size.w - 180, L.cancel.t - 120 - pageTop};
    draw::raised(p, pageRect, draw::kFace);
    for (int i = 1; i <= L.count; ++i) {
        int w = L.lefts[i] - L.lefts[i - 1];
        if (w < 0)
            w = 990;
        if (twoRows && i == 6)
            w = 1050;
        const int row = (twoRows && i > 6) ? 2 : 1;
        int top = L.rowTop;
        if (twoRows && row == chosenRow)
            top += 300;
        const Tw r{L.lefts[i - 1], top, w, L.tabHeight};
        const QString cap = i - 1 < captions.size() ? captions[i - 1] : QString();
        if (i == tab) {
            draw::raised(p, {r.l - 30, r.t - 30, r.w + 60, r.h + 60}, draw::kFace);
            draw::text(p, r.moved(0, -15), cap, 9, Qt::black, Qt::AlignCenter, true);
        } else {
            draw::raised(p, r, QColor(222, 222, 216));
            draw::text(p, r, cap, 9, Qt::black, Qt::AlignCenter);
        }
    }
    draw::okCancel(p, tabDialogOk(L), L.cancel);
}

Tw addTabPages(SampleBank &b, QChar letter, const QString &title, const QStringList &captions,
               const std::function<void(QPainter &, int)> &page)
{
    const TabLayout L = tabLayout(letter);
    const Tw size = tabDialogSize(L);
    for (int i = 1; i <= L.count; ++i) {
        b.pics.addNamed(L.pages[i - 1], size, [=](QPainter &p) {
            drawTabDialog(p, L, title, captions, i);
            page(p, i);
        });
    }
    return size;
}

namespace page {

Tw fileRow(int i) { return {150, 1860 + 270 * i, 2000, 255}; }

void highlightFile(QPainter &p, int i)
{
    const Tw r = fileRow(i);
    draw::selection(p, {r.l + 210, r.t, r.w - 210, r.h});
}

Tw heading() { return {kLeft, 1800, 5400, 540}; }
Tw welcome() { return {kLeft, 2550, 1035, 330}; }
Tw phraseLine() { return {kLeft, 3150, 6000, 330}; }
Tw link() { return {kLeft, 3750, 960, 330}; }
Tw logo(bool big) { return big ? Tw{8100, 1800, 3300, 2250} : Tw{8100, 1800, 2400, 1500}; }

void home(QPainter &p, const Home &h)
{
    p.fillRect(draw::px(Tw{2250, 1500, 9510, 6825}), h.background);
    if (h.selHeading)
        draw::selection(p, heading());
    {
        QFont f = draw::font(18, true);
        f.setItalic(h.italicHeading);
        p.setFont(f);
        p.setPen(QColor(30, 60, 130));
        p.drawText(draw::px(heading()), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("欢迎光临我的主页"));
    }
    if (h.selWelcome)
        draw::selection(p, welcome());
    draw::text(p, welcome(), QStringLiteral("Welcome"), 12, Qt::black, Qt::AlignLeft | Qt::AlignVCenter, h.boldWelcome);
    draw::text(p, {welcome().r() + 45, 2550, 4000, 330}, QStringLiteral("to my homepage!"), 12);
    const QString phrase = QStringLiteral("本网站介绍网页制作的基础知识。");
    QFont f = draw::font(12);
    const QFontMetrics fm(f);
    const int x0 = draw::px(phraseLine().l);
    const int y = draw::px(phraseLine().t);
    const int hgt = draw::px(phraseLine().h);
    const QString before = phrase.left(5), word = phrase.mid(5, 4), after = phrase.mid(9);
    QFont bf = draw::font(12, h.boldPhrase);
    const int wBefore = fm.horizontalAdvance(before);
    const int wWord = QFontMetrics(bf).horizontalAdvance(word);
    if (h.selPhrase)
        p.fillRect(QRect(x0 + wBefore, y, wWord, hgt), QColor(51, 102, 204, 90));
    p.setPen(Qt::black);
    p.setFont(f);
    p.drawText(QRect(x0, y, wBefore, hgt), Qt::AlignLeft | Qt::AlignVCenter, before);
    p.setFont(bf);
    p.drawText(QRect(x0 + wBefore, y, wWord, hgt), Qt::AlignLeft | Qt::AlignVCenter, word);
    p.setFont(f);
    p.drawText(QRect(x0 + wBefore + wWord, y, 600, hgt), Qt::AlignLeft | Qt::AlignVCenter, after);
    if (h.selLink)
        draw::selection(p, link());
    draw::text(p, link(), QStringLiteral("联系我们"), 12, QColor(0, 0, 204),
               Qt::AlignLeft | Qt::AlignVCenter, false, true);
    if (h.linkTip) {
        const Tw tip{link().l + 600, link().b() + 60, 3300, 300};
        p.fillRect(draw::px(tip), QColor(255, 255, 225));
        p.setPen(Qt::black);
        p.drawRect(draw::px(tip).adjusted(0, 0, -1, -1));
        draw::text(p, tip.moved(60, 0), QStringLiteral("mailto:info@example.com"), 9);
    }
    if (h.rule) {
        p.fillRect(draw::px(Tw{kLeft, 4380, 8700, 45}), QColor(140, 140, 140));
    }
    if (h.logo) {
        draw::photo(p, logo(h.logoBig), QStringLiteral("LOGO"), QColor(70, 130, 180));
        if (h.logoSelected) {
            const Tw r = logo(h.logoBig);
            p.setPen(Qt::black);
            for (const auto &c : {QPoint(r.l, r.t), QPoint(r.r(), r.t), QPoint(r.l, r.b()), QPoint(r.r(), r.b())})
                p.fillRect(draw::px(Tw{c.x() - 60, c.y() - 60, 120, 120}), Qt::black);
        }
        if (h.logoGuide)
            draw::dashed(p, logo(true));
    }
}

Tw tableRect(const Table &t) { return {kLeft, 1950, t.firstColWidth + 3 * 1800, 3 * t.height}; }

Tw cell(const Table &t, int row, int col)
{
    const int x = col == 0 ? kLeft : kLeft + t.firstColWidth + 1800 * (col - 1);
    return {x, 1950 + t.height * row, col == 0 ? t.firstColWidth : 1800, t.height};
}

void table(QPainter &p, const Table &t)
{
    static const char *const texts[3][4] = {{"姓名", "语文", "数学", "英语"},
                                            {"张三", "85", "90", "78"},
                                            {"李四", "92", "88", "95"}};
    const QColor sel(51, 102, 204, 90);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            const Tw box = cell(t, r, c);
            if (r == 1 && c == 1)
                p.fillRect(draw::px(box), t.shading);
            if ((r == 0 && c < t.selRow1) || (c == 0 && r < t.selColA) || (c == 0 && t.colA) || (c == 2 && t.colC))
                p.fillRect(draw::px(box), sel);
            QString s = QString::fromUtf8(texts[r][c]);
            if (c == 0 && t.clearedA)
                s.clear();
            if (r == 2 && c == 0 && t.copyA3)
                s = QStringLiteral("姓名");
            if (!(t.merged && r == 0 && c > 0 && c < 3))
                draw::text(p, box, s, 11, Qt::black, Qt::AlignCenter, r == 0);
            if (r == 1 && c == 1 && t.photoB2)
                draw::photo(p, {box.l + 360, box.t + 60, box.w - 720, box.h - 120}, QString(), QColor(100, 160, 90));
        }
    }
    if (t.merged) {
        const Tw m{kLeft, 1950, t.firstColWidth + 3600, t.height};
        p.fillRect(draw::px(m).adjusted(1, 1, -1, -1), Qt::white);
        draw::text(p, m, QStringLiteral("姓名  语文  数学"), 11, Qt::black, Qt::AlignCenter, true);
    }
    QPen pen(Qt::black, t.thickBorder ? 3 : 1);
    p.setPen(pen);
    const Tw all = tableRect(t);
    p.drawRect(draw::px(all).adjusted(0, 0, -1, -1));
    p.setPen(QPen(Qt::black, 1));
    for (int r = 1; r < 3; ++r)
        p.drawLine(draw::px(all.l), draw::px(all.t + t.height * r), draw::px(all.r()), draw::px(all.t + t.height * r));
    for (int c = 1; c < 4; ++c) {
        const int x = draw::px(cell(t, 0, c).l);
        const int top = (t.merged && c < 3) ? draw::px(all.t + t.height) : draw::px(all.t);
        p.drawLine(x, top, x, draw::px(all.b()));
    }
    if (t.widthGuide) {
        p.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
        const int x = draw::px(kLeft + 2700);
        p.drawLine(x, draw::px(all.t - 150), x, draw::px(all.b() + 150));
    }
    if (t.heightGuide) {
        p.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
        const int y = draw::px(all.t + 2400);
        p.drawLine(draw::px(all.l - 150), y, draw::px(all.r() + 150), y);
    }
    if (t.form) {
        const Tw f{kLeft, 5700, 7200, 1200};
        draw::dashed(p, f, QColor(200, 60, 60));
        draw::text(p, {f.l + 150, f.t + 150, 1200, 330}, QStringLiteral("用户名："), 11);
        draw::edit(p, {f.l + 1350, f.t + 150, 2700, 330}, QString());
    }
}

void frames(QPainter &p, const Frames &f)
{
    const Tw area{2250, 1500, 9510, 6825};
    const int border = area.l + f.leftWidth;
    // Contents frame.
    p.fillRect(draw::px(Tw{area.l, area.t, f.leftWidth, area.h}), QColor(240, 246, 255));
    draw::text(p, {area.l + 240, area.t + 240, f.leftWidth - 300, 330}, QStringLiteral("目录"), 12, Qt::black,
               Qt::AlignLeft | Qt::AlignVCenter, true);
    static const char *const items[] = {"首页", "产品介绍", "联系我们"};
    for (int i = 0; i < 3; ++i)
        draw::text(p, {area.l + 240, area.t + 720 + 390 * i, f.leftWidth - 300, 330}, QString::fromUtf8(items[i]), 11,
                   QColor(0, 0, 204), Qt::AlignLeft | Qt::AlignVCenter, false, true);
    int mainTop = area.t;
    if (f.topHeight > 0) {
        p.fillRect(draw::px(Tw{border, area.t, area.r() - border, f.topHeight}), QColor(255, 244, 214));
        draw::text(p, {border + 300, area.t + 150, 5000, 450}, QStringLiteral("网站标题栏"), 16, QColor(150, 90, 0),
                   Qt::AlignLeft | Qt::AlignVCenter, true);
        mainTop = area.t + f.topHeight;
        p.fillRect(draw::px(Tw{border, mainTop - 45, area.r() - border, 90}), f.border);
    }
    draw::text(p, {border + 300, mainTop + 300, 6000, 450}, QStringLiteral("主框架：网页内容"), 14);
    if (f.twoRows) {
        const int mid = area.t + area.h / 2;
        p.fillRect(draw::px(Tw{border, mid - 45, area.r() - border, 90}), f.border);
        draw::text(p, {border + 300, mid + 300, 6000, 450}, QStringLiteral("新框架"), 14, QColor(120, 120, 120));
    }
    p.fillRect(draw::px(Tw{border - 45, area.t, 90, area.h}), f.border);
    if (!f.footer.isEmpty())
        draw::text(p, {5400, 6600, 5400, 360}, f.footer, 11);
    if (f.inner.w > 0) {
        p.fillRect(draw::px(f.inner), QColor(230, 250, 230));
        p.setPen(QPen(QColor(40, 120, 40), 2));
        p.drawRect(draw::px(f.inner).adjusted(0, 0, -1, -1));
        draw::text(p, f.inner, QStringLiteral("内嵌框架"), 11, QColor(40, 120, 40), Qt::AlignCenter);
        const Tw r = f.inner;
        for (const auto &c : {QPoint(r.l, r.t), QPoint(r.r(), r.t), QPoint(r.l, r.b()), QPoint(r.r(), r.b())})
            p.fillRect(draw::px(Tw{c.x() - 60, c.y() - 60, 120, 120}), Qt::black);
    }
    p.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
    if (f.leftGuide)
        p.drawLine(draw::px(area.l + 1800), draw::px(area.t), draw::px(area.l + 1800), draw::px(area.b()));
    if (f.topGuide)
        p.drawLine(draw::px(border), draw::px(area.t + 1200), draw::px(area.r()), draw::px(area.t + 1200));
    if (f.innerGuide.w > 0)
        draw::dashed(p, f.innerGuide);
}

} // namespace page
} // namespace bankgen
