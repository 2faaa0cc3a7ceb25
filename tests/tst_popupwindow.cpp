// The right-click pop-up on the real simulated window: what each opener
// opens, what the pop-up shows for the step, which choice advances, and the
// real menu shown at the pointer. Choices go through the pop-up's choice
// seam, except in the one test of the real modal menu.
#include "bankstep.h"
#include "scenefixture.h"
#include "windowdrive.h"

#include "foundation/gbkfile.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/popupchoice.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QtTest>

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }

// What the pop-up shows, top to bottom: "name=caption" for items, "-" for a
// separator, cascades as "name>" followed by their items indented.
QStringList shown(const QMenu &menu, const QString &indent = QString())
{
    QStringList out;
    for (const QAction *a : menu.actions()) {
        if (!a->isVisible())
            continue;
        if (a->menu()) {
            out << indent + a->objectName() + u'>' + a->text();
            out += shown(*a->menu(), indent + QStringLiteral("  "));
        } else {
            out << indent + (a->isSeparator() ? QStringLiteral("-") : a->objectName() + u'=' + a->text());
        }
    }
    return out;
}

// Answers every opening with one slot and notes what the pop-up showed.
struct Answer
{
    QString array;
    int slot = 0;
    int openings = 0;
    QStringList items;
    simwin::ScopedPopupChooser chooser{[this](QMenu &m, QPoint) {
        ++openings;
        items = shown(m);
        return array.isEmpty() ? nullptr : simwin::popupSlotAction(m, array, slot);
    }};
};

// A menu file of 540 lines with the given blocks; every other line "0".
void writeMenuFile(const QString &path, const QList<std::tuple<int, int, QStringList>> &blocks)
{
    QStringList lines(540, QStringLiteral("0"));
    for (const auto &[f, m, block] : blocks)
        for (int k = 0; k < block.size(); ++k)
            lines[(f - 1) * 135 + (m - 1) * 15 + k] = block[k];
    QVERIFY(fnd::writeLines(path, lines));
}

// A block with group 1 and cascade 1 (caption "插入") filled.
QStringList groupAndCascade(const QString &group, const QString &cascadeItems)
{
    return {QString(), s("插入"), cascadeItems, group, QStringLiteral("0"), QString(), QStringLiteral("0"),
            QStringLiteral("0"), QString(), QStringLiteral("0"), QStringLiteral("0"), QString(), QStringLiteral("0"),
            QString(), QStringLiteral("0")};
}

// A point of a widget that none of its children covers.
QPoint bare(const QWidget *w)
{
    for (int x = w->width() - 1; x > 0; --x)
        if (!w->childAt(x, w->height() / 2))
            return {x, w->height() / 2};
    return {};
}
} // namespace

class TstPopupWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void choices_data();
    void choices();
    void filledForTheStep();
    void openers_data();
    void openers();
    void sameCaptionInAGroupAndACascade_data();
    void sameCaptionInAGroupAndACascade();
    void overridesAndLongLines_data();
    void overridesAndLongLines();
    void missingMenuFileGivesAnEmptyPopup();
    void realMenuAtThePointer();
    void probeAnswersThePopup();

private:
    std::unique_ptr<ts::BankSteps> bank_;
};

void TstPopupWindow::initTestCase()
{
    bank_ = std::make_unique<ts::BankSteps>();
    QVERIFY(bank_->isValid());
}

void TstPopupWindow::cleanup()
{
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TstPopupWindow::choices_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("advances");

    // 3123: item 3 of group 1 ("网页属性(I)...").
    QTest::newRow("3123 its item") << 1 << 3 << 1 << 1 << "sKvelInde1" << 3 << true;
    QTest::newRow("3123 other item") << 1 << 3 << 1 << 1 << "sKvelInde1" << 1 << false;
    QTest::newRow("3123 same slot, group 2") << 1 << 3 << 1 << 1 << "sKvelInde2" << 2 << false;
    QTest::newRow("3123 another menu open") << 1 << 3 << 1 << 2 << "sKvelInde1" << 2 << false;
    // 3112: item 2 of cascade 1 ("超链接属性(R)...").
    QTest::newRow("3112 in the cascade") << 3 << 5 << 1 << 1 << "sKvelSub1" << 2 << true;
    QTest::newRow("3112 same slot, group 1") << 3 << 5 << 1 << 1 << "sKvelInde1" << 2 << false;
    // 3241: item 1 of group 2 ("表格属性(R)..."); its item 2 is a separator.
    QTest::newRow("3241 its item") << 2 << 8 << 1 << 2 << "sKvelInde2" << 1 << true;
    QTest::newRow("3241 separator") << 2 << 8 << 1 << 2 << "sKvelInde2" << 2 << false;
    // R8123 on a step of code 0000: family 4, item 3 of group 1.
    QTest::newRow("R8123 its item") << 1 << 12 << 1 << 1 << "sKvelInde1" << 3 << true;
    QTest::newRow("R8123 hidden slot") << 1 << 12 << 1 << 1 << "sKvelSub1" << 3 << false;
    // 3312: item 2 of cascade 1 ("绘图").
    QTest::newRow("3312 its item") << 3 << 7 << 1 << 3 << "sKvelSub1" << 2 << true;
    QTest::newRow("dismissed") << 3 << 7 << 1 << 3 << QString() << 0 << false;
}

void TstPopupWindow::choices()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(int, menu);
    QFETCH(QString, array);
    QFETCH(int, slot);
    QFETCH(bool, advances);

    FrmMain *w = bank_->open(unit, question, step);
    QVERIFY(w);
    Answer answer{array, slot};
    w->openPopup(menu);
    QCOMPARE(answer.openings, 1);
    QCOMPARE(w->PopMenuNo, menu);
    QCOMPARE(scene::StepNo, advances ? step + 1 : step);
}

void TstPopupWindow::filledForTheStep()
{
    FrmMain *w = bank_->open(1, 3, 1); // 3123
    Answer answer;
    w->openPopup(1);
    QCOMPARE(answer.items, (QStringList{
                               s("sKvelMain1>超链接(H)"),
                               s("  sKvelSub1_0=打开超链接(O)"),
                               s("  sKvelSub1_1=复制超链接(C)"),
                               s("  sKvelSub1_2=超链接属性(R)..."),
                               s("sKvelInde1_0=剪切(T)"),
                               s("sKvelInde1_1=复制(C)"),
                               s("sKvelInde1_2=粘贴(P)"),
                               s("sKvelInde1_3=网页属性(I)..."),
                               s("sKvelInde2_0=字体(F)..."),
                               s("sKvelInde2_1=段落(A)..."),
                               s("sKvelInde2_2=项目符号和编号(N)..."),
                           }));
    // The next opening shows nothing of this one: menu 3 has one item in
    // group 1 and no group 2.
    w->openPopup(3);
    QCOMPARE(answer.items, (QStringList{
                               s("sKvelMain1>工具栏(T)"),
                               s("  sKvelSub1_0=常用"),
                               s("  sKvelSub1_1=格式"),
                               s("  sKvelSub1_2=绘图"),
                               s("  sKvelSub1_3=表格"),
                               s("  sKvelSub1_4=图片"),
                               s("sKvelInde1_0=自定义(C)..."),
                           }));
    // Separators keep their slot.
    w->openPopup(2);
    QVERIFY(answer.items.contains(s("sKvelInde2_1=表格属性(R)...")));
    QCOMPARE(answer.items.at(answer.items.indexOf(s("sKvelInde2_1=表格属性(R)...")) + 1), QStringLiteral("-"));
    QVERIFY(answer.items.contains(s("sKvelInde2_3=合并单元格(M)")));
}

void TstPopupWindow::openers_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("menu"); // 0: no pop-up

    const int left = Qt::LeftButton, right = Qt::RightButton, middle = Qt::MiddleButton;
    // The toolbar picture outside its cells: codes above 3000, below 6000.
    QTest::newRow("toolbar 3312 right") << 3 << 7 << "PicTool" << right << 3;
    QTest::newRow("toolbar 3312 left") << 3 << 7 << "PicTool" << left << 0;
    QTest::newRow("toolbar 3312 middle") << 3 << 7 << "PicTool" << middle << 0;
    QTest::newRow("toolbar 3123 right") << 1 << 3 << "PicTool" << right << 1;
    QTest::newRow("toolbar 3241 right") << 2 << 8 << "PicTool" << right << 2;
    QTest::newRow("toolbar override step right") << 1 << 12 << "PicTool" << right << 0;
    // Any bar cell released with the right button: codes 3301-3399 only.
    QTest::newRow("cell 45 3312 right") << 3 << 7 << "LblZHU_45" << right << 3;
    QTest::newRow("menu title 3312 right") << 3 << 7 << "LblZHU_2" << right << 3;
    QTest::newRow("cell 45 3312 middle") << 3 << 7 << "LblZHU_45" << middle << 0;
    QTest::newRow("cell 45 3123 right") << 1 << 3 << "LblZHU_45" << right << 0;
}

void TstPopupWindow::openers()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(QString, control);
    QFETCH(int, button);
    QFETCH(int, menu);

    FrmMain *w = bank_->open(unit, question, 1);
    QVERIFY(w);
    // The bars the step does not show are shown here: the handlers are
    // under test, not the scene.
    for (QWidget *bar : {static_cast<QWidget *>(w->PicMenu), static_cast<QWidget *>(w->PicTool)})
        bar->show();
    QWidget *target = w->findChild<QWidget *>(control);
    QVERIFY(target);
    const QPoint at = control == u"PicTool" ? bare(target) : target->rect().center();
    Answer answer;
    QTest::mouseClick(target, Qt::MouseButton(button), {}, at);
    QCOMPARE(answer.openings, menu ? 1 : 0);
    if (menu)
        QCOMPARE(w->PopMenuNo, menu);
    QCOMPARE(scene::StepNo, 1);
}

void TstPopupWindow::sameCaptionInAGroupAndACascade_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("array");
    QTest::addColumn<bool>("advances");
    // "图片" is item 1 of group 1 and item 1 of cascade 1.
    QTest::newRow("group code, group item") << "3121" << "sKvelInde1" << true;
    QTest::newRow("group code, cascade item") << "3121" << "sKvelSub1" << false;
    QTest::newRow("cascade code, cascade item") << "3111" << "sKvelSub1" << true;
    QTest::newRow("cascade code, group item") << "3111" << "sKvelInde1" << false;
}

void TstPopupWindow::sameCaptionInAGroupAndACascade()
{
    QFETCH(QString, code);
    QFETCH(QString, array);
    QFETCH(bool, advances);

    ts::SceneFixture fx;
    writeMenuFile(fx.programDir() + QStringLiteral("/sMenu.sys"), {{1, 1, groupAndCascade(s("表格|图片"), s("表格|图片"))}});
    fx.writeUnit(0, {{ts::record({{8, code}}), ts::record({{8, "9999"}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    w.setData();
    Answer answer{array, 1};
    w.openPopup(1);
    QVERIFY(answer.items.contains(s("sKvelInde1_1=图片")));
    QVERIFY(answer.items.contains(s("  sKvelSub1_1=图片")));
    QCOMPARE(scene::StepNo, advances ? 2 : 1);
}

void TstPopupWindow::overridesAndLongLines_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("override");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("shownSlots");
    QTest::addColumn<bool>("advances");

    // Family 4 menu 1 has twelve pieces in group 1: slots 0-9 show.
    QTest::newRow("R8 last slot") << "0000" << "R8129" << 9 << 10 << true;
    QTest::newRow("RA last slot") << "0000" << "RA129" << 9 << 10 << true;
    QTest::newRow("RA other slot") << "0000" << "RA129" << 8 << 10 << false;
    QTest::newRow("code 8129") << "8129" << "00000" << 9 << 10 << true;
    QTest::newRow("piece 11 not shown") << "0000" << "RA120" << 10 << 10 << false;
    // Family 1 menu 1 has three slots in group 1, the second a separator:
    // a code that names it cannot be completed.
    QTest::newRow("R and four digits") << "9001" << "R3122" << 2 << 3 << true;
    QTest::newRow("separator named by the code") << "9001" << "R3121" << 1 << 3 << false;
}

void TstPopupWindow::overridesAndLongLines()
{
    QFETCH(QString, code);
    QFETCH(QString, override);
    QFETCH(int, slot);
    QFETCH(int, shownSlots);
    QFETCH(bool, advances);

    ts::SceneFixture fx;
    writeMenuFile(fx.programDir() + QStringLiteral("/sMenu.sys"),
                  {{1, 1, groupAndCascade(QStringLiteral("a|-|c"), QStringLiteral("x"))},
                   {4, 1, groupAndCascade(QStringLiteral("0|1|2|3|4|5|6|7|8|9|10|11"), QStringLiteral("x"))}});
    fx.writeUnit(0, {{ts::record({{8, code}, {86, override}}), ts::record({{8, "9999"}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    w.setData();
    Answer answer{QStringLiteral("sKvelInde1"), slot};
    w.openPopup(1);
    QCOMPARE(answer.items.filter(QStringLiteral("sKvelInde1_")).size() + answer.items.count(QStringLiteral("-")),
             shownSlots);
    QCOMPARE(scene::StepNo, advances ? 2 : 1);
}

void TstPopupWindow::missingMenuFileGivesAnEmptyPopup()
{
    ts::SceneFixture fx; // no sMenu.sys
    fx.writeUnit(0, {{ts::record({{8, "3123"}}), ts::record({{8, "9999"}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    w.setData();
    Answer answer{QStringLiteral("sKvelInde1"), 3};
    w.openPopup(1);
    QCOMPARE(answer.openings, 1);
    QCOMPARE(answer.items, QStringList());
    QCOMPARE(scene::StepNo, 1);
}

void TstPopupWindow::realMenuAtThePointer()
{
    FrmMain *w = bank_->open(1, 3, 1); // 3123
    QVERIFY(w);
    QVERIFY(!simwin::hasPopupChooser());
    const QPoint pointer = w->mapToGlobal(QPoint(300, 400));
    QCursor::setPos(pointer);
    // While the modal menu runs, click its item as a user does.
    QPoint shownAt;
    QTimer timer;
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, w, [&] {
        if (!w->wm100->isVisible())
            return;
        timer.stop();
        shownAt = w->wm100->pos();
        QAction *item = simwin::popupSlotAction(*w->wm100, QStringLiteral("sKvelInde1"), 3);
        QTest::mouseClick(w->wm100, Qt::LeftButton, {}, w->wm100->actionGeometry(item).center());
    });
    timer.start();
    w->openPopup(1);
    QCOMPARE(shownAt, pointer);
    QCOMPARE(scene::StepNo, 2);
}

void TstPopupWindow::probeAnswersThePopup()
{
    // Unit 3 question 7 (3312): a right click on a toolbar cell opens the
    // pop-up; the probe answers it when it opens, or with a queued choice.
    auto play = [this](const QByteArray &input) { return ts::playProbe(bank_->programDir(), 2, 7, input); };
    QVERIFY2(play("help\n").value(0).contains(QStringLiteral("click")), "the probe has no click command");

    // Each opening: the open pop-up, the answer to it, the click's own
    // answer; then the scene.
    QList<QJsonObject> a = play("click LblZHU_45 right\npopup sKvelSub1 1\nscene\n"
                                "click LblZHU_45 right\npopup sKvelSub1 2\nscene\n");
    QCOMPARE(a.size(), 8);
    QCOMPARE(a[0]["popup"].toString(), QStringLiteral("open"));
    QCOMPARE(a[0]["menu"].toInt(), 3);
    QCOMPARE(a[0]["items"].toArray().first()["text"].toString(), s("工具栏(T)"));
    QCOMPARE(a[1]["chosen"].toString(), QStringLiteral("sKvelSub1_1"));
    QCOMPARE(a[3]["StepNo"].toInt(), 1);
    QCOMPARE(a[5]["text"].toString(), s("绘图"));
    QCOMPARE(a[7]["StepNo"].toInt(), 2);

    a = play("popup sKvelSub1 2\nclick LblZHU_45 right\nscene\n");
    QCOMPARE(a.size(), 3);
    QCOMPARE(a[0]["queued"].toString(), QStringLiteral("sKvelSub1_2"));
    QCOMPARE(a[2]["StepNo"].toInt(), 2);
}

QTEST_MAIN(TstPopupWindow)
#include "tst_popupwindow.moc"
