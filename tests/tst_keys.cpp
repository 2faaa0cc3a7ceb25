// Key codes from Qt keys and key names, and which key presses perform a
// step's operation.
#include "simwin/checks/keyaccept.h"
#include "simwin/scene/keycodes.h"
#include "steplines.h"

#include <QtTest>

using namespace scene;



class TstKeys : public QObject
{
    Q_OBJECT
private slots:
    void codesOfQtKeys_data();
    void codesOfQtKeys();
    void shiftStates();
    void everyCodeRoundTrips();
    void keyNames_data();
    void keyNames();
    void qtKeysOfNames();
    void shortcuts_data();
    void shortcuts();
    void keyClick_data();
    void keyClick();
    void acceptedInOrder();
};

void TstKeys::codesOfQtKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<int>("code");
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const auto row = [](const char *name, int key, Qt::KeyboardModifiers m, int code) {
        QTest::newRow(name) << key << m << code;
    };
    row("A", Qt::Key_A, none, 65);
    row("Z with Shift", Qt::Key_Z, Qt::ShiftModifier, 90);
    row("0", Qt::Key_0, none, 48);
    row("9", Qt::Key_9, none, 57);
    row("F1", Qt::Key_F1, none, 112);
    row("F12", Qt::Key_F12, none, 123);
    row("Enter", Qt::Key_Return, none, 13);
    row("keypad Enter", Qt::Key_Enter, pad, 13);
    row("Esc", Qt::Key_Escape, none, 27);
    row("Space", Qt::Key_Space, none, 32);
    row("Tab", Qt::Key_Tab, none, 9);
    row("Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, 9);
    row("Backspace", Qt::Key_Backspace, none, 8);
    row("Delete", Qt::Key_Delete, none, 46);
    row("Insert", Qt::Key_Insert, none, 45);
    row("Left", Qt::Key_Left, none, 37);
    row("Up", Qt::Key_Up, none, 38);
    row("Right", Qt::Key_Right, none, 39);
    row("Down", Qt::Key_Down, none, 40);
    row("Home", Qt::Key_Home, none, 36);
    row("End", Qt::Key_End, none, 35);
    row("PageUp", Qt::Key_PageUp, none, 33);
    row("PageDown", Qt::Key_PageDown, none, 34);
    row("slash", Qt::Key_Slash, none, 191);
    row("slash with Shift", Qt::Key_Question, Qt::ShiftModifier, 191);
    row("semicolon", Qt::Key_Semicolon, none, 186);
    row("equals", Qt::Key_Equal, none, 187);
    row("plus is the equals key", Qt::Key_Plus, Qt::ShiftModifier, 187);
    row("minus", Qt::Key_Minus, none, 189);
    row("Shift+8 is the 8 key", Qt::Key_Asterisk, Qt::ShiftModifier, 56);
    row("quote", Qt::Key_Apostrophe, none, 222);
    row("keypad 0", Qt::Key_0, pad, 96);
    row("keypad 9", Qt::Key_9, pad, 105);
    row("keypad *", Qt::Key_Asterisk, pad, 106);
    row("keypad +", Qt::Key_Plus, pad, 107);
    row("keypad -", Qt::Key_Minus, pad, 109);
    row("keypad .", Qt::Key_Period, pad, 110);
    row("keypad /", Qt::Key_Slash, pad, 111);
    row("keypad Home (NumLock off)", Qt::Key_Home, pad, 36);
    row("keypad 5 (NumLock off)", Qt::Key_Clear, pad, 12);
    row("Ctrl alone", Qt::Key_Control, Qt::ControlModifier, 17);
    row("no code", Qt::Key_Launch0, none, 0);
}

void TstKeys::codesOfQtKeys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, mods);
    QTEST(keyCode(key, mods), "code");
}

void TstKeys::shiftStates()
{
    QCOMPARE(shiftState(Qt::NoModifier), 0);
    QCOMPARE(shiftState(Qt::ShiftModifier), 1);
    QCOMPARE(shiftState(Qt::ControlModifier), 2);
    QCOMPARE(shiftState(Qt::AltModifier), 4);
    QCOMPARE(shiftState(Qt::ShiftModifier | Qt::ControlModifier), 3);
    QCOMPARE(shiftState(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier
                        | Qt::KeypadModifier),
             7);
    for (int s = 0; s < 8; ++s)
        QCOMPARE(shiftState(modifiers(s)), s);
}

void TstKeys::everyCodeRoundTrips()
{
    // Every code some key sends is read back from that key, and its name
    // reads back to it.
    int sendable = 0;
    for (int code = 1; code <= 254; ++code) {
        for (int shift : {0, 3, 4}) {
            const KeyPress press{code, shift};
            QCOMPARE(parseKey(keyName(press)), std::optional<KeyPress>(press));
            const auto q = qtKey(code, shift);
            if (!q)
                continue;
            ++sendable;
            QCOMPARE(keyCode(q->key, q->modifiers), code);
            QCOMPARE(shiftState(q->modifiers), shift);
        }
    }
    QVERIFY(sendable >= 3 * 100);
}

void TstKeys::keyNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code"); // 0: not a key
    QTest::addColumn<int>("shift");
    QTest::newRow("Ctrl+S") << "Ctrl+S" << 83 << 2;
    QTest::newRow("F1") << "F1" << 112 << 0;
    QTest::newRow("Enter") << "Enter" << 13 << 0;
    QTest::newRow("Shift+Ctrl+N") << "Shift+Ctrl+N" << 78 << 3;
    QTest::newRow("A") << "A" << 65 << 0;
    QTest::newRow("lower case, other order") << "ctrl+shift+z" << 90 << 3;
    QTest::newRow("Control spelled out") << "Control+Alt+Delete" << 46 << 6;
    QTest::newRow("Alt+F1") << "Alt+F1" << 112 << 4;
    QTest::newRow("Ctrl and slash") << "Ctrl+/" << 191 << 2;
    QTest::newRow("F12") << "F12" << 123 << 0;
    QTest::newRow("digit") << "7" << 55 << 0;
    QTest::newRow("Esc") << "Escape" << 27 << 0;
    QTest::newRow("keypad") << "Num5" << 101 << 0;
    QTest::newRow("keypad plus") << "Ctrl+Num+" << 107 << 2;
    QTest::newRow("raw code 12") << "VK12" << 12 << 0;
    QTest::newRow("Clear is 12") << "Clear" << 12 << 0;
    QTest::newRow("blanks around") << " Shift+F7 " << 118 << 1;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("modifier only") << "Ctrl+" << 0 << 0;
    QTest::newRow("bare modifier") << "Shift" << 0 << 0;
    QTest::newRow("unknown") << "Ctrl+Foo" << 0 << 0;
    QTest::newRow("F25") << "F25" << 0 << 0;
    QTest::newRow("code too big") << "VK300" << 0 << 0;
    QTest::newRow("two keys") << "A+B" << 0 << 0;
}

void TstKeys::keyNames()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(int, shift);
    const auto p = parseKey(text);
    if (code == 0) {
        QVERIFY(!p);
        QVERIFY(!parseQtKey(text));
        return;
    }
    QVERIFY(p);
    QCOMPARE(p->code, code);
    QCOMPARE(p->shift, shift);
}

void TstKeys::qtKeysOfNames()
{
    using P = std::optional<QtKeyPress>;
    QCOMPARE(parseQtKey(u"Ctrl+S"), P(QtKeyPress{Qt::Key_S, Qt::ControlModifier}));
    QCOMPARE(parseQtKey(u"Shift+Ctrl+N"), P(QtKeyPress{Qt::Key_N, Qt::ShiftModifier | Qt::ControlModifier}));
    QCOMPARE(parseQtKey(u"F1"), P(QtKeyPress{Qt::Key_F1, {}}));
    QCOMPARE(parseQtKey(u"Enter"), P(QtKeyPress{Qt::Key_Return, {}}));
    QCOMPARE(parseQtKey(u"Alt+Enter"), P(QtKeyPress{Qt::Key_Return, Qt::AltModifier}));
    QCOMPARE(parseQtKey(u"Ctrl+/"), P(QtKeyPress{Qt::Key_Slash, Qt::ControlModifier}));
    QCOMPARE(parseQtKey(u"Num5"), P(QtKeyPress{Qt::Key_5, Qt::KeypadModifier}));
    QCOMPARE(parseQtKey(u"VK12"), P(QtKeyPress{Qt::Key_Clear, {}}));
    QVERIFY(!parseQtKey(u"VK7")); // no key sends 7
}

// ---- Key acceptance ---------------------------------------------------------------

void TstKeys::shortcuts_data()
{
    QTest::addColumn<QString>("mmii");
    QTest::addColumn<QString>("key");
    const char *rows[][2] = {
        {"0101", "Ctrl+N"}, {"0102", "Ctrl+O"}, {"0106", "Ctrl+S"},  {"0116", "Ctrl+P"},       {"0113", "F12"},
        {"0201", "Ctrl+Z"}, {"0202", "Ctrl+Y"}, {"0203", "Ctrl+X"},  {"0204", "Ctrl+C"},       {"0206", "Ctrl+V"},
        {"0209", "Ctrl+A"}, {"0210", "Ctrl+F"}, {"0211", "Ctrl+H"},  {"0212", "Ctrl+G"},       {"0214", "Ctrl+Q"},
        {"0310", "Alt+F1"}, {"0312", "Ctrl+/"}, {"0314", "Ctrl+F1"}, {"0416", "Ctrl+G"},       {"0417", "Ctrl+K"},
        {"0515", "Shift+Ctrl+Z"}, {"0516", "Alt+Enter"}, {"0601", "F7"}, {"0602", "Shift+F7"}, {"0606", "F8"},
        {"1101", "F1"},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << r[0] << r[1];
    QTest::newRow("other item") << "0107" << "";
    QTest::newRow("the menu title itself") << "0100" << "";
    QTest::newRow("toolbar cell") << "4100" << "";
}

void TstKeys::shortcuts()
{
    QFETCH(QString, mmii);
    QFETCH(QString, key);
    const auto s = chk::shortcut(mmii);
    QCOMPARE(s ? keyName(*s) : QString(), key);
}

void TstKeys::keyClick_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("advances");
    const auto rec = [](std::initializer_list<std::pair<int, const char *>> p) { return ts::stepLine(p); };
    const QString ctrlEnter = rec({{8, "6213"}});
    QTest::newRow("6213: Ctrl+Enter") << ctrlEnter << "Ctrl+Enter" << true;
    QTest::newRow("6213: Enter alone") << ctrlEnter << "Enter" << false;
    QTest::newRow("6213: Ctrl+Shift+Enter") << ctrlEnter << "Shift+Ctrl+Enter" << false;
    const QString f1 = rec({{8, "6012"}});
    QTest::newRow("6012: F1") << f1 << "F1" << true;
    QTest::newRow("6012: code 12") << f1 << "VK12" << false;
    QTest::newRow("6065: A") << rec({{8, "6065"}}) << "A" << true;
    QTest::newRow("P6012 at 86: F1") << rec({{8, "9001"}, {86, "P6012"}}) << "F1" << true;
    QTest::newRow("P6012 at 86: code 12") << rec({{86, "P6012"}}) << "VK12" << false;
    QTest::newRow("P6012 at 96: F1") << rec({{96, "P6012"}}) << "F1" << true;
    QTest::newRow("P6012 at 91: code 12") << rec({{91, "P6012"}}) << "VK12" << true;
    QTest::newRow("P6012 at 91: F1") << rec({{91, "P6012"}}) << "F1" << false;
    QTest::newRow("P6113 at 86: Shift+F2") << rec({{86, "P6113"}}) << "Shift+F2" << true;
    QTest::newRow("P6113 at 86: F2") << rec({{86, "P6113"}}) << "F2" << false;
    QTest::newRow("P6020 at 96: F9") << rec({{96, "P6020"}}) << "F9" << true;
    QTest::newRow("P6021 at 86: code 21") << rec({{86, "P6021"}}) << "VK21" << true;
    QTest::newRow("P6265 at 91: Ctrl+A") << rec({{91, "P6265"}}) << "Ctrl+A" << true;
    QTest::newRow("not P") << rec({{86, "Q6012"}}) << "F1" << false;
    QTest::newRow("P and not 6000s") << rec({{86, "P5012"}}) << "F1" << false;
    QTest::newRow("P and 7000s") << rec({{86, "P7012"}}) << "F1" << false;
    const QString undo = rec({{125, "H020100000"}});
    QTest::newRow("H0201 at 125: Ctrl+Z") << undo << "Ctrl+Z" << true;
    QTest::newRow("H0201 at 125: Ctrl+Shift+Z") << undo << "Shift+Ctrl+Z" << false;
    QTest::newRow("H0515: Ctrl+Shift+Z") << rec({{125, "H051500000"}}) << "Shift+Ctrl+Z" << true;
    QTest::newRow("H0515: Ctrl+Z") << rec({{125, "H051500000"}}) << "Ctrl+Z" << false;
    QTest::newRow("H0106 at 86: Ctrl+S") << rec({{86, "H010600000"}}) << "Ctrl+S" << true;
    QTest::newRow("H0204 at 96: Ctrl+C") << rec({{96, "H020400000"}}) << "Ctrl+C" << true;
    QTest::newRow("H0516: Alt+Enter") << rec({{125, "H051600000"}}) << "Alt+Enter" << true;
    QTest::newRow("H0602: Shift+F7") << rec({{125, "H060200000"}}) << "Shift+F7" << true;
    QTest::newRow("D target") << rec({{125, "D020100000"}}) << "Ctrl+Z" << false;
    QTest::newRow("item without shortcut") << rec({{125, "H010700000"}}) << "Ctrl+S" << false;
    QTest::newRow("sub-item path reads the item") << rec({{125, "H020103000"}}) << "Ctrl+Z" << true;
    QTest::newRow("letters in MMII") << rec({{125, "H1x0100000"}}) << "Ctrl+N" << false;
    QTest::newRow("nothing asked") << rec({}) << "Enter" << false;
}

void TstKeys::keyClick()
{
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(bool, advances);
    const auto press = parseKey(key);
    QVERIFY(press);
    const chk::StepMove m = chk::keyClick(line, press->code, press->shift);
    QCOMPARE(m, advances ? chk::StepMove::next() : chk::StepMove{});
}

void TstKeys::acceptedInOrder()
{
    // The step's own code, the alternatives at 86 and 91, then a target at 96.
    const QString line = ts::stepLine({{8, "6213"}, {86, "P6113"}, {91, "P6012"}, {96, "H010600000"}});
    const QList<KeyPress> want{{13, 2}, {113, 1}, {12, 0}, {83, 2}};
    QCOMPARE(chk::acceptedKeys(line), want);
    // A key that two places accept still makes one advance.
    const QString twice = ts::stepLine({{8, "6283"}, {125, "H010600000"}});
    QCOMPARE(chk::acceptedKeys(twice).size(), 2);
    QCOMPARE(chk::keyClick(twice, 83, 2), chk::StepMove::next());
}

QTEST_GUILESS_MAIN(TstKeys)
#include "tst_keys.moc"
