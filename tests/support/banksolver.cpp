#include "banksolver.h"

#include "simwin/scene/steprecord.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRect>
#include <cmath>


namespace solver {

namespace {

// Shift, Ctrl and Alt as play command words, from the sum 1 + 2 + 4.
QString keyWords(int shift)
{
    QStringList w;
    if (shift & 1)
        w << QStringLiteral("shift");
    if (shift & 2)
        w << QStringLiteral("ctrl");
    if (shift & 4)
        w << QStringLiteral("alt");
    return w.join(u' ');
}

QString buttonWord(int button)
{
    switch (button) {
    case 1: return QStringLiteral("left");
    case 2: return QStringLiteral("right");
    case 4: return QStringLiteral("middle");
    default: return {};
    }
}

QString command(QStringList words)
{
    words.removeAll(QString());
    return words.join(u' ');
}

// A control of the scene, in FrmMain's pixels.
QRect rectOf(const QJsonObject &control)
{
    return QRect(control["x"].toInt(), control["y"].toInt(), control["w"].toInt(), control["h"].toInt());
}

// The scene's entry for the control of that name.
std::optional<QJsonObject> controlOf(const QJsonObject &scene, const QString &name)
{
    for (const QJsonValue v : scene[QStringLiteral("controls")].toArray())
        if (v["name"].toString() == name)
            return v.toObject();
    return std::nullopt;
}

std::optional<QRect> placeOf(const QJsonObject &scene, const QString &name)
{
    const auto c = controlOf(scene, name);
    return c ? std::optional(rectOf(*c)) : std::nullopt;
}

// A point of a bar that no visible cell covers, relative to the bar.
std::optional<QPoint> bareSpot(const QJsonObject &scene, const QString &bar)
{
    const auto box = placeOf(scene, bar);
    if (!box)
        return std::nullopt;
    QList<QRect> cells;
    for (const QJsonValue v : scene[QStringLiteral("controls")].toArray()) {
        const QRect r = rectOf(v.toObject());
        if (v["name"].toString().startsWith(u"LblZHU_") && box->intersects(r))
            cells << r;
    }
    for (int y = box->top() + 1; y < box->bottom(); y += 3)
        for (int x = box->right() - 2; x > box->left(); x -= 3) {
            const QPoint p(x, y);
            if (std::none_of(cells.begin(), cells.end(), [&](const QRect &r) { return r.contains(p); }))
                return p - box->topLeft();
        }
    return std::nullopt;
}

// ---- The solver's own reading of the record ---------------------------------
// Pop-up and key answers are worked out here from the record's characters,
// apart from the program's decoders that the solved bank is meant to check.

// The characters first..first+width-1 (1-based) of the record.
QStringView rawChars(QStringView line, int first, int width)
{
    return first - 1 < line.size() ? line.mid(first - 1, width) : QStringView();
}

// Their leading decimal digits as a number (none: 0).
int rawNumber(QStringView line, int first, int width)
{
    int n = 0;
    for (const QChar c : rawChars(line, first, width)) {
        if (!c.isDigit())
            break;
        n = n * 10 + c.digitValue();
    }
    return n;
}

// The menu code a right-click pop-up answers: "R8" and three digits at 86
// give 6000 plus them, "R" and four digits give those; else the step's code.
struct PopupAnswer
{
    bool opens = false; // a right release on the main target opens the pop-up
    int code = 0;
};
PopupAnswer popupAnswer(QStringView line)
{
    const int own = rawNumber(line, 8, 4);
    std::optional<int> override;
    if (rawChars(line, 86, 2) == u"R8" || rawChars(line, 86, 2) == u"RA")
        override = 6000 + rawNumber(line, 88, 3);
    else if (rawChars(line, 86, 1) == u"R")
        override = rawNumber(line, 87, 4);
    const bool byOverride = override && *override / 1000 >= 3 && *override / 1000 <= 6;
    const bool byOwn = (own >= 3000 && own <= 6000) || (own >= 8100 && own <= 8999);
    return {byOverride || byOwn, override.value_or(own)};
}

// The pop-up item of a menu code: the array by its tens digit, the slot by
// its units digit.
std::optional<QString> popupChoice(int menuCode)
{
    static const char *const arrays[] = {"sKvelSub1", "sKvelInde1", "sKvelSub2", "sKvelInde2", "sKvelSub3",
                                         "sKvelInde3", "sKvelSub4", "sKvelSub5", "sKvelInde4"};
    const int digit = (menuCode / 10) % 10;
    if (digit < 1 || digit > 9)
        return std::nullopt;
    return command({QStringLiteral("popup"), QString::fromLatin1(arrays[digit - 1]), QString::number(menuCode % 10)});
}

// The key an operation code 6SKK asks for, as the probe names it: held keys
// S (1 Shift, 2 Ctrl, 4 Alt), key code KK, with 12 standing for F1 (112).
std::optional<QString> keyAnswer(int code)
{
    if (code / 1000 != 6)
        return std::nullopt;
    const int shift = (code % 1000) / 100;
    int key = code % 100;
    if (key == 12)
        key = 112;
    QString name;
    if (shift & 1)
        name += QStringLiteral("Shift+");
    if (shift & 2)
        name += QStringLiteral("Ctrl+");
    if (shift & 4)
        name += QStringLiteral("Alt+");
    return name + QStringLiteral("VK") + QString::number(key);
}

// The step a one-character jump names: "0" the next step, "1" to "9" and
// "A" to "Z" steps 1 to 35.
int jumpTarget(QChar digit, int stepNo)
{
    if (digit == u'0')
        return stepNo + 1;
    if (digit >= u'1' && digit <= u'9')
        return digit.unicode() - u'0';
    if (digit >= u'A' && digit <= u'Z')
        return digit.unicode() - u'A' + 10;
    return -1;
}
QChar rawChar(QStringView line, int at)
{
    const QStringView c = rawChars(line, at, 1);
    return c.isEmpty() ? QChar() : c.front();
}

// Drags the handle with the left button past its limit: every move puts the
// pointer 40 pixels beyond the handle's edge, which carries it 20 pixels.
// Overshooting is harmless (every limit is one-sided), so the count allows
// for a layout scale of up to 2.
QStringList handleDrag(QStringView line, int code)
{
    const scene::PictureArea handle = scene::pictureArea(line, 5);
    const bool horizontal = code != 8003 && code != 8004;
    const bool vertical = code != 8001 && code != 8002;
    const int dx = !horizontal ? 0 : (code == 8001 || code == 8006 || code == 8008) ? -1 : 1;
    const int dy = !vertical ? 0 : (code == 8003 || code == 8008 || code == 8009) ? -1 : 1;
    const double distance = std::max(horizontal ? std::abs(scene::dragLimitX(line) - handle.left) : 0,
                                      vertical ? std::abs(scene::dragLimitY(line) - handle.top) : 0);
    const int moves = int(std::ceil((distance / 15.0 * 2 + 10) / 20.0));
    QStringList out{QStringLiteral("press Image5 1 1")};
    const QString move = QStringLiteral("move Image5 %1 %2").arg(1 + 40 * dx).arg(1 + 40 * dy);
    for (int i = 0; i < moves; ++i)
        out << move;
    out << QStringLiteral("release Image5 1 1");
    return out;
}

// The text a control shows in the scene.
QString textOf(const QJsonObject &scene, const QString &name)
{
    return controlOf(scene, name).value_or(QJsonObject())["text"].toString();
}

// Types `text` over whatever the box holds.
QStringList typeInto(const QJsonObject &scene, const QString &box, const QString &text)
{
    QStringList out;
    const qsizetype held = textOf(scene, box).size();
    if (held > 0)
        out << QStringLiteral("select %1 0 %2").arg(box).arg(held);
    out << command({QStringLiteral("type"), box, quoted(text)});
    return out;
}

} // namespace

namespace {
// The three target fields T1, T2, T3 (characters 125, 86 and 96, ten each),
// read plainly; T3 holds a panel's place when T2 names a panel cell 32-40.
QList<QStringView> targetFields(QStringView line)
{
    QList<QStringView> fields;
    for (int first : {125, 86, 96})
        fields << (line.size() >= first + 9 ? line.mid(first - 1, 10) : QStringView());
    const int t2Cell = fields[1].startsWith(u'H') ? fields[1].mid(1, 2).toInt() : 0;
    if (t2Cell >= 32 && t2Cell <= 40)
        fields[2] = QStringView();
    return fields;
}
// The clicks that complete the first field a click can complete: the cell
// (unless the step opened its drop-down itself), the item, the sub-item;
// and the field's jump (a marked item moves on).
struct ChromeClicks
{
    QStringList clicks;
    QChar jump = u'0';
};
ChromeClicks chromeClicks(QStringView line)
{
    const QList<QStringView> fields = targetFields(line);
    const int panel = fields[1].startsWith(u'H') ? fields[1].mid(1, 2).toInt() : 0;
    for (int k = 0; k < 3; ++k) {
        const QStringView f = fields[k];
        const bool marked = f.startsWith(u'D') && k == 2;
        if (!f.startsWith(u'H') && !marked)
            continue;
        const int cell = f.mid(1, 2).toInt(), item = f.mid(3, 2).toInt(), sub = marked ? 0 : f.mid(5, 2).toInt();
        QStringList clicks;
        // A preset drop-down (33, 34) is open by itself; only its items are clicked.
        if (!(item && (cell == 33 || cell == 34) && panel == cell))
            // A panel cell reaches past its picture: click inside the picture.
            clicks << (cell >= 32 && cell <= 40 ? QStringLiteral("click LblZHU_%1 left 5 5").arg(cell)
                                                : QStringLiteral("click LblZHU_%1").arg(cell));
        if (item)
            clicks << QStringLiteral("click Lbl1J_%1").arg(item);
        if (item && sub)
            clicks << QStringLiteral("click Lbl2J_%1").arg(sub);
        return {clicks, marked ? QChar(u'0') : f[9]};
    }
    return {};
}
} // namespace

QString quoted(const QString &word)
{
    if (!word.isEmpty() && !word.contains(u' ') && !word.contains(u'"'))
        return word;
    QString w = word;
    return u'"' + w.replace(QStringLiteral("\""), QStringLiteral("\"\"\"")) + u'"';
}

StepPlan planStep(const QJsonObject &scene, const QString &answerFile)
{
    const QString line = scene[QStringLiteral("StepLine")].toString();
    const QString code = scene::stepTypeText(line).toString();
    const int n = scene::stepType(line);
    const int stepNo = scene[QStringLiteral("StepNo")].toInt();
    StepPlan p;
    p.landsOn = stepNo + 1;
    if (const ChromeClicks chrome = chromeClicks(line); !chrome.clicks.isEmpty()) {
        p.commands << chrome.clicks;
        p.landsOn = jumpTarget(chrome.jump, stepNo);
        return p;
    }
    // A dialog that shows another tab than the step's: its tab first.
    const scene::TabSpec tabs = scene::tabSpec(line);
    if (tabs.present && tabs.shownTab != tabs.targetTab)
        p.commands << QStringLiteral("click LblXXK_%1").arg(tabs.targetTab);

    const QString answer = scene::lookup(answerFile, scene::answerField(line)).value_or(QString());
    const QString firstAnswer = scene::beforeFirstBar(answer);
    auto fail = [&](const QString &why) {
        p.commands.clear();
        p.problem = why;
        return p;
    };

    if (code == u"8888") { // the scene moves on by itself
        p.commands << QStringLiteral("wait 1100");
        return p;
    }
    // The right-click pop-up: the record's menu-code override first, else
    // the step's own pop-up code.
    if (const PopupAnswer popup = popupAnswer(line); popup.opens) {
        const auto choice = popupChoice(popup.code);
        if (!choice)
            return fail(QStringLiteral("no pop-up item for menu code %1").arg(popup.code));
        p.commands << *choice;
        if (placeOf(scene, QStringLiteral("Label1")) && !scene::label1Box(line).absent) {
            p.commands << QStringLiteral("click Label1 right");
        } else if (n > 3300 && n < 3400 && placeOf(scene, QStringLiteral("LblZHU_41"))) {
            // A bar cell's own right click, whichever cell.
            p.commands << QStringLiteral("click LblZHU_41 right");
        } else if (n > 3000 && n < 6000) {
            // No target: the toolbar's own right click, off its buttons.
            const auto spot = bareSpot(scene, QStringLiteral("PicTool"));
            if (!spot)
                return fail(QStringLiteral("no bare spot on the toolbar"));
            p.commands << QStringLiteral("click PicTool right %1 %2").arg(spot->x()).arg(spot->y());
        } else {
            return fail(QStringLiteral("a pop-up step without a place to right-click"));
        }
        return p;
    }

    if (scene::isListStep(line)) {
        p.commands << QStringLiteral("choose %1").arg(scene::answerNumber(line));
    } else if (code.startsWith(u"004") || code.startsWith(u"005")) {
        const QString keys = keyWords(scene::number(line, 11, 1));
        p.commands << command({QStringLiteral("press Label4"), keys}) << command({QStringLiteral("move Label1"), keys})
                   << command({QStringLiteral("release Label1"), keys});
        // An outline drop moves on; a drag drop takes the drop jump at 102.
        if (code.startsWith(u"005"))
            p.landsOn = jumpTarget(rawChar(line, 102), stepNo);
    } else if (n >= 8001 && n <= 8009 && n != 8005) {
        p.commands << handleDrag(line, n);
    } else if (n >= 9000 && n <= 9998) {
        const QString button = buttonWord(n % 100);
        if (button.isEmpty())
            return fail(QStringLiteral("no mouse button %1").arg(n % 100));
        p.commands << command({QStringLiteral("click Label1"), button, keyWords((n / 100) % 10)});
        p.landsOn = jumpTarget(rawChar(line, 71), stepNo);
    } else if (code == u"0001") {
        p.commands << QStringLiteral("click Label1");
        p.landsOn = jumpTarget(rawChar(line, 71), stepNo);
    } else if (code == u"0002") {
        p.commands << QStringLiteral("dblclick Label1");
        p.landsOn = jumpTarget(rawChar(line, 71), stepNo);
    } else if (code == u"0003") {
        p.commands << QStringLiteral("click Label1 right");
        p.landsOn = jumpTarget(rawChar(line, 71), stepNo);
    } else if (code == u"0030") {
        p.commands << QStringLiteral("move Label1");
    } else if (code == u"0020" || code == u"0025") {
        p.commands << typeInto(scene, QStringLiteral("Text1"), firstAnswer);
    } else if (code == u"0021") {
        p.commands << typeInto(scene, QStringLiteral("Text2"), answer);
    } else if (code == u"0027") {
        p.commands << typeInto(scene, QStringLiteral("Text3"), firstAnswer);
    } else if (code == u"0022" || code == u"0026") {
        p.commands << typeInto(scene, QStringLiteral("Text1"), firstAnswer) << QStringLiteral("click Label1");
    } else if (code == u"0028") {
        p.commands << typeInto(scene, QStringLiteral("Text1"), firstAnswer) << QStringLiteral("click Label4");
    } else if (code == u"0024") {
        p.commands << typeInto(scene, QStringLiteral("Text1"), firstAnswer + QStringLiteral("{Enter}"));
    } else if (code == u"0023") {
        // The hint line's text, selected where the box holds it.
        const QString hint = scene::lookup(answerFile, scene::hintField(line)).value_or(QString()).trimmed();
        const qsizetype at = textOf(scene, QStringLiteral("Text1")).indexOf(hint, 0, Qt::CaseInsensitive);
        if (hint.isEmpty() || at < 0)
            return fail(QStringLiteral("the box does not hold the text to select"));
        p.commands << QStringLiteral("select Text1 %1 %2").arg(at).arg(hint.size());
    } else if (const auto key = keyAnswer(n)) {
        p.commands << QStringLiteral("key ") + *key;
    } else {
        return fail(QStringLiteral("no operation known for code %1").arg(code));
    }
    return p;
}

// ---- The probe process ------------------------------------------------------------

ProbeSession::ProbeSession(const QString &probe, const QString &programDir, int unit, int question)
{
    process_.start(probe, {QStringLiteral("play"), programDir, QString::number(unit), QString::number(question)});
    process_.waitForStarted();
}

ProbeSession::~ProbeSession()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.write("quit\n");
    process_.closeWriteChannel();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

ProbeSession::ProbeSession(const QString &probe, const QStringList &args, const std::function<void()> &inChild)
{
    if (inChild)
        process_.setChildProcessModifier(inChild);
    process_.start(probe, args);
    process_.waitForStarted();
}

int ProbeSession::finish()
{
    process_.closeWriteChannel();
    // A probe that has ended already (the program ended it) is judged by how.
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(10000)) {
        process_.kill();
        process_.waitForFinished(1000);
        return -1;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

bool ProbeSession::isRunning() const { return process_.state() == QProcess::Running; }

QJsonObject ProbeSession::send(const QString &command)
{
    process_.write(command.toUtf8() + '\n');
    QJsonObject answer = next();
    if (answer.contains(u"error") && answer["error"].toString().startsWith(u"no answer"))
        answer["error"] = QStringLiteral("no answer to: %1").arg(command);
    return answer;
}

QJsonObject ProbeSession::next()
{
    QDeadlineTimer deadline(15000);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || process_.state() != QProcess::Running)
            return QJsonObject{{"error", QStringLiteral("no answer")}};
        // A probe that ended without a word is seen as ended at once.
        if (!process_.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            process_.waitForFinished(10);
    }
    const QByteArray answer = process_.readLine().trimmed();
    const QJsonDocument doc = QJsonDocument::fromJson(answer);
    if (!doc.isObject())
        return QJsonObject{{"error", QStringLiteral("not an answer: %1").arg(QString::fromUtf8(answer))}};
    return doc.object();
}

QString ProbeSession::errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

QString performPlan(ProbeSession &probe, const StepPlan &plan, QStringList *sent)
{
    auto perform = [&](const QString &c) {
        sent->append(c);
        return probe.send(c)[QStringLiteral("error")].toString();
    };
    bool collapsed = false;
    for (const QString &c : plan.commands) {
        QString error = perform(c);
        if (!collapsed && error.contains(QStringLiteral(" is covered by FrmTm "))) {
            if (const QString e = perform(QStringLiteral("click FrmTm/LblZXH")); !e.isEmpty())
                return QStringLiteral("the question window's collapse: ") + e;
            collapsed = true;
            error = perform(c);
        }
        if (!error.isEmpty())
            return QStringLiteral("%1 -> %2").arg(c, error);
    }
    if (const QString e = collapsed ? perform(QStringLiteral("click FrmTm/Command2")) : QString(); !e.isEmpty())
        return QStringLiteral("the question window's restore: ") + e;
    return {};
}

QString solveQuestion(ProbeSession &probe, const QString &answerFile, int maxSteps, QList<int> *visited)
{
    QStringList sent;
    auto report = [&](const QString &what) { return what + QStringLiteral("\n  sent: ") + sent.join(QStringLiteral(" | ")); };
    for (int i = 0; i < maxSteps; ++i) {
        const QJsonObject scene = probe.send(QStringLiteral("scene"));
        if (scene.contains(u"error"))
            return report(scene["error"].toString() + QStringLiteral(" ") + probe.errors());
        const QString line = scene["StepLine"].toString();
        const int stepNo = scene["StepNo"].toInt();
        if (visited)
            visited->append(stepNo);
        if (scene::stepTypeText(line) == u"9999") {
            if (!(scene["TmState"].toInt() & 4))
                return report(QStringLiteral("the final scene did not complete the question"));
            return {};
        }
        const StepPlan plan = planStep(scene, answerFile);
        if (!plan.problem.isEmpty())
            return report(QStringLiteral("step %1 (%2): %3").arg(stepNo).arg(scene::stepTypeText(line)).arg(plan.problem));
        if (const QString problem = performPlan(probe, plan, &sent); !problem.isEmpty())
            return report(QStringLiteral("step %1: %2").arg(stepNo).arg(problem));
        const QJsonObject after = probe.send(QStringLiteral("scene"));
        if (after["StepNo"].toInt() == stepNo && after["StepLine"].toString() == line)
            return report(QStringLiteral("step %1 (%2) did not advance").arg(stepNo).arg(scene::stepTypeText(line)));
        if (after["StepNo"].toInt() != plan.landsOn)
            return report(QStringLiteral("step %1 (%2) went to step %3; its record names step %4")
                              .arg(stepNo)
                              .arg(scene::stepTypeText(line))
                              .arg(after["StepNo"].toInt())
                              .arg(plan.landsOn));
    }
    return report(QStringLiteral("no final scene after %1 steps").arg(maxSteps));
}

QJsonObject findNamed(const QJsonArray &list, const QString &name)
{
    for (const QJsonValue &v : list)
        if (v.toObject()[QStringLiteral("name")].toString() == name)
            return v.toObject();
    return {};
}

QStringList windowNames(const QJsonObject &answer)
{
    QStringList names;
    for (const QJsonValue &v : answer[QStringLiteral("windows")].toArray())
        names << v.toObject()[QStringLiteral("name")].toString();
    return names;
}

} // namespace solver
