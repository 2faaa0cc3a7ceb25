#include "bankcheck.h"

#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "foundation/numparse.h"
#include "simwin/checks/menutargets.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/chrome/menutables.h"
#include "simwin/scene/steprecord.h"
#include "simwin/scene/tabstrip.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <map>
#include <optional>

using namespace scene;

namespace bankcheck {

QString kindName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::File: return QStringLiteral("file");
    case FaultKind::Count: return QStringLiteral("count");
    case FaultKind::StepCount: return QStringLiteral("step count");
    case FaultKind::FinalStep: return QStringLiteral("final step");
    case FaultKind::RecordLength: return QStringLiteral("record length");
    case FaultKind::AnswerLine: return QStringLiteral("answer line");
    case FaultKind::Picture: return QStringLiteral("picture");
    case FaultKind::TabPage: return QStringLiteral("tab page");
    case FaultKind::CursorFile: return QStringLiteral("cursor file");
    case FaultKind::MenuBlock: return QStringLiteral("menu block");
    case FaultKind::Jump: return QStringLiteral("jump");
    case FaultKind::Chrome: return QStringLiteral("chrome");
    case FaultKind::Spot: return QStringLiteral("spot");
    }
    return QString();
}

QString Fault::text() const
{
    QString where = place;
    if (question > 0)
        where += QStringLiteral(" question %1").arg(question);
    if (step > 0)
        where += QStringLiteral(" step %1").arg(step);
    return QStringLiteral("%1 [%2]: %3").arg(where, kindName(kind), message);
}

QString findDataFolder(const QString &programDir)
{
    const QFileInfoList subs = QDir(programDir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &d : subs)
        if (QFileInfo::exists(d.absoluteFilePath() + u'/' + bank::PaperListFile + QStringLiteral(".mxy")))
            return d.absoluteFilePath();
    return QString();
}

namespace {

class Checker
{
public:
    Checker(const QString &programDir, const QString &dataDir) : prog_(programDir), data_(dataDir) {}

    QList<Fault> run()
    {
        const auto answers = fnd::readLines(dataFile(bank::CommonDataFile));
        if (!answers)
            add(FaultKind::File, bank::CommonDataFile, 0, 0, QStringLiteral("the answer-text file cannot be read"));
        else
            answers_ = *answers;
        const auto menus = fnd::readLines(prog_ + QStringLiteral("/sMenu.sys"));
        if (!menus)
            add(FaultKind::File, QStringLiteral("sMenu.sys"), 0, 0, QStringLiteral("the right-click menu file cannot be read"));
        else if (menus->size() < 540)
            add(FaultKind::File, QStringLiteral("sMenu.sys"), 0, 0,
                QStringLiteral("the right-click menu file has %1 lines, not 540").arg(menus->size()));
        if (menus)
            menus_ = *menus;
        for (const QString &name : bank::QuestionWindowPictures)
            if (!pictureUsable(name))
                add(FaultKind::Picture, name, 0, 0, QStringLiteral("the question window's picture \"%1\" is missing").arg(name));
        for (const QString &name : bank::ExamPictures)
            if (!pictureUsable(name))
                add(FaultKind::Picture, name, 0, 0, QStringLiteral("the mock exam's picture \"%1\" is missing").arg(name));

        const auto list = fnd::readLines(dataFile(bank::PaperListFile));
        if (!list || list->isEmpty()) {
            add(FaultKind::File, bank::PaperListFile, 0, 0, QStringLiteral("the paper list cannot be read"));
            return faults_;
        }
        const QString head = list->at(0).trimmed();
        const int papers = fnd::leadingInt(QStringView(head).left(2));
        const int units = fnd::leadingInt(QStringView(head).mid(2, 2));
        const QString counts = list->size() > 1 ? list->at(1) : QString();
        std::vector<int> questions;
        for (int u = 0; u < units; ++u) {
            const QString place = QStringLiteral("unit %1").arg(u + 1);
            const int listed = fnd::leadingInt(QStringView(counts).mid(2 * u, 2));
            const int found = checkSet(place, bank::unitFiles(u), true);
            questions.push_back(found);
            if (found >= 0 && found != listed)
                add(FaultKind::Count, place, 0, 0,
                    QStringLiteral("the paper list gives %1 questions, the question file has %2").arg(listed).arg(found));
        }
        for (int p = 0; p < papers; ++p) {
            const QString place = QStringLiteral("paper %1").arg(p + 1);
            const QString ids = list->size() > 2 + p ? list->at(2 + p) : QString();
            if (ids.size() < 160)
                add(FaultKind::Count, place, 0, 0, QStringLiteral("the paper list holds %1 ids, not 40").arg(ids.size() / 4));
            for (int i = 0; i + 4 <= ids.size(); i += 4) {
                const int id = fnd::leadingInt(QStringView(ids).mid(i, 4));
                const int u = id / 100, q = id % 100;
                if (u >= int(questions.size()) || q < 1 || (questions[size_t(u)] >= 0 && q > questions[size_t(u)]))
                    add(FaultKind::Count, place, i / 4 + 1, 0,
                        QStringLiteral("id %1 names no question of the bank").arg(ids.mid(i, 4)));
            }
            // A fixed paper's working files, when the bank ships them.
            if (const bank::WorkFiles files = bank::paperFiles(p); QFileInfo::exists(dataFile(files.step)))
                checkSet(place, files, false);
        }
        return faults_;
    }

private:
    QString dataFile(const QString &name) const { return data_ + u'/' + name + QStringLiteral(".mxy"); }

    void add(FaultKind kind, const QString &place, int question, int step, const QString &message)
    {
        faults_.append({kind, place, question, step, message});
    }

    bool pictureUsable(const QString &name)
    {
        const auto it = pictures_.find(name);
        if (it != pictures_.end())
            return it->second;
        QImageReader reader(dataFile(name));
        reader.setDecideFormatFromContent(true);
        const bool ok = reader.canRead();
        pictures_[name] = ok;
        return ok;
    }

    // Checks one question set (a unit's files or a paper's working files);
    // the number of questions, or -1 when the question file cannot be read.
    int checkSet(const QString &place, const bank::WorkFiles &files, bool required)
    {
        const auto tm = fnd::readLines(dataFile(files.tm));
        const auto st = fnd::readLines(dataFile(files.step));
        if (!tm || !st) {
            if (required || tm || st)
                add(FaultKind::File, place, 0, 0,
                    QStringLiteral("the %1 file %2 cannot be read").arg(tm ? QStringLiteral("step") : QStringLiteral("question"),
                                                                     tm ? files.step : files.tm));
            return tm ? int(tm->size()) : -1;
        }
        int start = 1;
        int count = 0;
        for (const QString &line : *tm) {
            if (line.trimmed().isEmpty()) {
                add(FaultKind::Count, place, count + 1, 0,
                    QStringLiteral("a blank question line ends the set; later questions are never reached"));
                break;
            }
            ++count;
            const int k = fnd::leadingInt(bank::chars(line, bank::Tm.stepCount));
            if (k < 1)
                add(FaultKind::StepCount, place, count, 0, QStringLiteral("the question has no steps"));
            if (bank::chars(line, bank::Tm.pictureMark) == u"picture") {
                const QString pic = bank::chars(line, bank::Tm.pictureName).toString();
                if (!pictureUsable(pic))
                    add(FaultKind::Picture, place, count, 0, QStringLiteral("question picture \"%1\" is missing").arg(pic));
            }
            for (int s = 1; s <= k; ++s) {
                const int n = start + s - 1;
                if (n > st->size())
                    break;
                checkStep(place, count, s, k, st->at(n - 1));
            }
            if (k >= 1 && start + k - 1 <= st->size() && stepTypeText(st->at(start + k - 2)) != u"9999")
                add(FaultKind::FinalStep, place, count, k,
                    QStringLiteral("the last step's code is \"%1\", not \"9999\"").arg(stepTypeText(st->at(start + k - 2))));
            start += qMax(k, 0);
        }
        if (start - 1 != st->size())
            add(FaultKind::StepCount, place, 0, 0,
                QStringLiteral("the question lines count %1 steps, the step file %2 has %3 lines")
                    .arg(start - 1).arg(files.step).arg(st->size()));
        return count;
    }

    void checkJump(const QString &place, int q, int s, int steps, QChar c, const QString &what)
    {
        if (c.isNull() || c == u'0')
            return;
        const bool valid = (c >= u'1' && c <= u'9') || (c >= u'A' && c <= u'Z');
        const int to = jumpStep(QStringView(&c, 1));
        if (!valid)
            add(FaultKind::Jump, place, q, s, QStringLiteral("%1 jumps with \"%2\", which is no step").arg(what, QString(c)));
        else if (to > steps)
            add(FaultKind::Jump, place, q, s,
                QStringLiteral("%1 jumps to step %2; the question has %3 steps").arg(what).arg(to).arg(steps));
    }

    void checkAnswerLine(const QString &place, int q, int s, QStringView field, const QString &what)
    {
        if (field == u"000")
            return;
        const int n = fnd::leadingInt(field);
        if (n < 1 || n > answers_.size())
            add(FaultKind::AnswerLine, place, q, s,
                QStringLiteral("%1 names answer-text line \"%2\"; the file has %3 lines")
                    .arg(what, field.toString()).arg(answers_.size()));
    }

    void checkStep(const QString &place, int q, int s, int steps, const QString &line)
    {
        if (line.size() < RecordLength)
            add(FaultKind::RecordLength, place, q, s,
                QStringLiteral("the record has %1 characters, not %2").arg(line.size()).arg(RecordLength));

        // Pictures and the jumps of clicks on them.
        const QStringView bg = background(line);
        if (bg != KeepPicture && !pictureUsable(bg.toString()))
            add(FaultKind::Picture, place, q, s, QStringLiteral("background \"%1\" is missing").arg(bg));
        for (int k = 1; k <= 6; ++k) {
            const PictureArea a = pictureArea(line, k);
            if (a.absent)
                continue;
            if (!a.keep && !pictureUsable(a.name))
                add(FaultKind::Picture, place, q, s, QStringLiteral("picture \"%1\" of area %2 is missing").arg(a.name).arg(k));
            checkJump(place, q, s, steps, a.jump, QStringLiteral("a click on picture area %1").arg(k));
        }

        // Targets and their jumps.
        const BoxSpec l1 = label1Box(line);
        if (!l1.absent)
            checkJump(place, q, s, steps, l1.jump, QStringLiteral("Label1"));
        const BoxSpec l4 = label4Box(line);
        if (!l4.absent)
            checkJump(place, q, s, steps, l4.jump, QStringLiteral("Label4"));
        for (int k = 1; k <= 3; ++k) {
            const TargetSpec t = targetSpec(line, k);
            if (t.isPath())
                checkJump(place, q, s, steps, t.jump, QStringLiteral("menu target %1").arg(k));
        }
        const QStringView code = stepTypeText(line);
        const bool dragDrop = code.startsWith(u"004") || code.startsWith(u"005");
        if (code.startsWith(u"005"))
            checkJump(place, q, s, steps, dropJump(line), QStringLiteral("the drop"));
        if (hasBackSpec(line)) {
            int back = digitValue(backSpec(line).back());
            if (back == 0)
                back = 1;
            if (s - back < 1)
                add(FaultKind::Jump, place, q, s,
                    QStringLiteral("the Cancel spot goes back %1 steps from step %2").arg(back).arg(s));
        }

        // Texts of the answer-text file.
        if (code.startsWith(u"002")) {
            checkAnswerLine(place, q, s, answerField(line), QStringLiteral("the answer"));
            if (!text1Box(line).absent)
                checkAnswerLine(place, q, s, initialTextField(line), QStringLiteral("the initial text"));
            if (code == u"0023" && hintField(line) == u"000")
                add(FaultKind::AnswerLine, place, q, s, QStringLiteral("the selection step names no text to select"));
        }
        if (isListStep(line)) {
            const int n = listItemsLine(line);
            if (n < 1 || n > answers_.size()) {
                add(FaultKind::AnswerLine, place, q, s,
                    QStringLiteral("the list items are answer-text line %1; the file has %2 lines").arg(n).arg(answers_.size()));
            } else {
                const int items = int(listItems(answers_.at(n - 1).mid(3)).size());
                if (answerNumber(line) >= items || initialNumber(line) >= items)
                    add(FaultKind::AnswerLine, place, q, s,
                        QStringLiteral("the list has %1 items; the step starts at item %2 and expects item %3")
                            .arg(items).arg(initialNumber(line)).arg(answerNumber(line)));
            }
        }
        if (!hintKeepsPlace(line))
            checkAnswerLine(place, q, s, hintField(line), QStringLiteral("the hint"));

        // Tab strip and its pages.
        const TabSpec tab = tabSpec(line);
        if (tab.present) {
            const auto layout = scene::tabLayout(tab.layout);
            const int tabCount = layout ? scene::tabCount(*layout) : 0;
            if (!layout) {
                add(FaultKind::TabPage, place, q, s, QStringLiteral("tab layout \"%1\" does not exist").arg(tab.layout));
            } else {
                if (tab.shownTab < 1 || tab.shownTab > tabCount || tab.targetTab < 1 || tab.targetTab > tabCount)
                    add(FaultKind::TabPage, place, q, s,
                        QStringLiteral("tabs %1 and %2 of layout %3, which has %4 tabs")
                            .arg(tab.shownTab).arg(tab.targetTab).arg(tab.layout).arg(tabCount));
                if (tab.pictureArea < 1 || tab.pictureArea > 5)
                    add(FaultKind::TabPage, place, q, s,
                        QStringLiteral("the dialog's picture area %1 is not 1 to 5").arg(tab.pictureArea));
                for (int i = 1; i <= tabCount; ++i)
                    if (const QString page = scene::tabPage(*layout, i); !pictureUsable(page))
                        add(FaultKind::TabPage, place, q, s,
                            QStringLiteral("page \"%1\" of tab %2 of layout %3 is missing").arg(page).arg(i).arg(tab.layout));
            }
        }

        // Pointers from cursor files.
        const CursorSpec cursor = cursorSpec(line);
        QString cursorDigits;
        if (cursor.kind == CursorSpec::Custom)
            cursorDigits = cursor.fileDigits;
        else if (dragDrop && charAt(line, bank::Step.cursor.first) != u'S')
            cursorDigits = bank::chars(line, bank::Step.cursor.part(bank::Cursor.number)).toString();
        if (!cursorDigits.isNull() && !QFileInfo::exists(prog_ + QStringLiteral("/ico") + cursorDigits + QStringLiteral(".CUR")))
            add(FaultKind::CursorFile, place, q, s, QStringLiteral("cursor file \"ico%1.CUR\" is missing").arg(cursorDigits));

        checkChrome(place, q, s, line);

        // Right-click menus: the pop-up a right click on the target opens
        // ("8888" lies in the menu range but advances by itself).
        const int type = stepType(line);
        if (chk::overridePopupMenu(line, 2) || (chk::stepTypePopupMenu(type, 2) && type != 8888)) {
            checkMenu(place, q, s, chk::menuCode(line));
            // The bars open the pop-up too, but the demonstration right-clicks
            // the main target's centre, and the hint frames it.
            const BoxSpec spot = label1Box(line);
            if (spot.absent || spot.width <= 0 || spot.height <= 0)
                add(FaultKind::Spot, place, q, s,
                    QStringLiteral("a right-click step without a main target (Label1) to right-click"));
        }
    }

    bool examDataUsable(const QString &name)
    {
        const QString key = QStringLiteral("examdata/") + name;
        const auto it = pictures_.find(key);
        if (it != pictures_.end())
            return it->second;
        QImageReader reader(prog_ + QStringLiteral("/examdata/") + name + QStringLiteral(".mxy"));
        reader.setDecideFormatFromContent(true);
        return pictures_[key] = reader.canRead();
    }

    // The menu targets of a step: each must name a place a click can reach on
    // the bars the step shows, and the chrome pictures its path opens must be
    // there.
    void checkChrome(const QString &place, int q, int s, const QString &line)
    {
        auto fault = [&](int k, const QString &m) {
            add(FaultKind::Chrome, place, q, s, QStringLiteral("menu target %1: %2").arg(k).arg(m));
        };
        auto picture = [&](int k, const QString &name) {
            if (!examDataUsable(name))
                fault(k, QStringLiteral("chrome picture \"%1\" is missing").arg(name));
        };
        // The bars the step shows: a letter A to C and a digit whose bits are
        // the menu bar (1), the toolbars (2) and the drawing toolbar (4).
        const QStringView bars = bank::chars(line, bank::Step.bars);
        const int bits = bars.size() == 2 && bars[0] >= u'A' && bars[0] <= u'C' && bars[1] >= u'1' && bars[1] <= u'7'
                             ? bars[1].unicode() - u'0'
                             : 0;
        const int panel = extraPanel(line);
        if (panel >= 32 && panel <= 40 && panel != 33 && panel != 34) {
            picture(2, chrome::panelPicture(panel));
            const QStringView pane = paneField(line);
            if (pane.size() == 2 && pane[0] == u'X')
                picture(2, chrome::paneSetPicture(pane[1], "00"));
        }
        const auto targets = chk::menuTargets(line);
        for (int k = 1; k <= 3; ++k) {
            const TargetSpec &t = targets[size_t(k - 1)];
            if (!t.isPath() && !t.isMarkedItem())
                continue;
            if (t.isMarkedItem() && k != 3) {
                // Beside a menu path of a "7000" step, the second field's
                // "D" names the clicked item's own picture of the
                // demonstration.
                if (k == 2 && targets[0].isPath() && stepTypeText(line) == u"7000") {
                    picture(k, chrome::markerHoverPicture(t.stem));
                    continue;
                }
                fault(k, QStringLiteral("a marked item (\"D\") counts only in the third field"));
                continue;
            }
            const int cell = t.hotSpot;
            if (cell < 1 || cell > 88) {
                fault(k, QStringLiteral("cell %1 does not exist").arg(cell));
                continue;
            }
            if ((cell == 33 || cell == 34) && !t.item) {
                fault(k, QStringLiteral("cell %1 opens by itself and takes no click").arg(cell));
                continue;
            }
            if (cell >= 32 && cell <= 40) {
                if (panel != cell) {
                    fault(k, QStringLiteral("panel cell %1 is not the step's panel").arg(cell));
                    continue;
                }
            } else {
                const int need = cell <= 11 ? 1 : cell <= 31 ? 4 : 2;
                if (!(bits & need)) {
                    fault(k, QStringLiteral("cell %1 lies on a bar the step does not show").arg(cell));
                    continue;
                }
            }
            if (cell <= 31 || cell >= 41) // a bar cell's click shows its pressed picture
                picture(k, chrome::pressedPicture(cell));
            if (!t.item)
                continue;
            if (!chrome::dropDownCells().contains(cell)) {
                fault(k, QStringLiteral("cell %1 has no drop-down for item %2").arg(cell).arg(t.item));
                continue;
            }
            const chrome::ItemLayout items = chrome::dropDownItems(cell, 1, 1);
            if (t.item > chrome::MaxItems || items[t.item].width() <= 0) {
                fault(k, QStringLiteral("the drop-down of cell %1 has no item %2").arg(cell).arg(t.item));
                continue;
            }
            picture(k, chrome::dropDownPicture(cell));
            if (t.isMarkedItem()) {
                picture(k, chrome::markerPicture(t.stem));
                continue;
            }
            if (!t.subItem)
                continue;
            const int key = cell * 100 + t.item;
            if (!chrome::hasSubMenu(cell, t.item)) {
                fault(k, QStringLiteral("item %1 of cell %2 opens no sub-menu").arg(t.item).arg(cell));
                continue;
            }
            if (t.subItem > chrome::subMenuItems(key, 1, 1).count) {
                fault(k, QStringLiteral("sub-menu %1 has no cell for sub-item %2").arg(key, 4, 10, QChar(u'0')).arg(t.subItem));
                continue;
            }
            picture(k, chrome::subMenuPicture(cell, t.item));
        }
    }

    void checkMenu(const QString &place, int q, int s, int code)
    {
        auto fault = [&](const QString &m) {
            add(FaultKind::MenuBlock, place, q, s, QStringLiteral("menu code %1: %2").arg(code).arg(m));
        };
        const int family = chk::menuFamily(code);
        const int menu = code / 100 % 10, array = code / 10 % 10, item = code % 10;
        if (family == 0)
            return fault(QStringLiteral("names no menu family"));
        if (menu == 0)
            return fault(QStringLiteral("names no menu (hundreds digit 0)"));
        if (array == 0)
            return fault(QStringLiteral("names no item array (tens digit 0)"));
        // Block line of the item array, and of its cascade entry's caption
        // (0 for a group of plain items).
        const chk::PopupArrayInfo &info = chk::kPopupArrays[size_t(array - 1)];
        const int itemLine = info.blockLine;
        const int captionLine = info.cascade ? chk::kCascadeCaptionLines[size_t(info.cascade - 1)] : 0;
        const int base = (family - 1) * 135 + (menu - 1) * chk::MenuBlockLines;
        if (menus_.size() < base + chk::MenuBlockLines)
            return fault(QStringLiteral("sMenu.sys ends before the block of family %1 menu %2").arg(family).arg(menu));
        if (captionLine && menus_.at(base + captionLine - 1) == QLatin1String("0"))
            return fault(QStringLiteral("the cascade entry of item array %1 is hidden (line %2 is \"0\")")
                             .arg(array).arg(base + captionLine));
        const QString items = menus_.at(base + itemLine - 1);
        if (!captionLine && items == QLatin1String("0"))
            return fault(QStringLiteral("item group %1 is hidden (line %2 is \"0\")").arg(array).arg(base + itemLine));
        const QStringList pieces = chk::menuItems(items);
        if (item >= pieces.size())
            return fault(QStringLiteral("line %1 has no item %2").arg(base + itemLine).arg(item));
        if (pieces.at(item) == QLatin1String("-"))
            return fault(QStringLiteral("item %1 of line %2 is a separator").arg(item).arg(base + itemLine));
    }

    QString prog_, data_;
    QList<Fault> faults_;
    QStringList answers_;
    QStringList menus_;
    std::map<QString, bool> pictures_;
};

} // namespace

QList<Fault> checkProgramFolder(const QString &programDir, const QString &dataDir)
{
    const QString data = dataDir.isEmpty() ? findDataFolder(programDir) : dataDir;
    if (data.isEmpty())
        return {{FaultKind::File, programDir, 0, 0, QStringLiteral("no data folder with a paper list \"%1.mxy\"").arg(bank::PaperListFile)}};
    return Checker(QDir::cleanPath(programDir), QDir::cleanPath(data)).run();
}

} // namespace bankcheck
