#include "run/records.h"

#include "bank/bankfiles.h"
#include "foundation/blanks.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/numparse.h"
#include "foundation/programfolder.h"
#include "platform/wholefile.h"
#include "run/runstate.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace run {

namespace {

const QString LogTag = QStringLiteral("records");
constexpr long FileAccessError = 75; // the number a failed file access is logged with
constexpr long OutOfRange = 9;       // an index outside its table

void logFailure(long number, const QString &text) { fnd::trapError(LogTag, number, text); }

std::function<void(const QString &)> &unsavedObserver()
{
    static std::function<void(const QString &)> observer;
    return observer;
}

// A record file not written: logged, and the windows told.
void logUnwritten(const QString &text)
{
    logFailure(FileAccessError, text);
    if (unsavedObserver())
        unsavedObserver()(fnd::inProgramFolder(bank::RecordFolder));
}

// The set's questions that exist: 1 to TmSum, within the per-question tables.
int questionSum() { return std::clamp<int>(TmSum, 0, MaxQuestions); }

bool validSlot(int slot) { return slot >= 0 && slot < PaperSlots; }

// The record folder is made before the first write, so a fresh program
// folder keeps its first records.
void makeRecordFolder()
{
    const QString folder = fnd::inProgramFolder(bank::RecordFolder);
    if (!QFileInfo(folder).isDir())
        QDir().mkdir(folder);
}

// A record file replaced whole by `write`.
template <class Write>
bool replaceRecord(const QString &name, Write write)
{
    makeRecordFolder();
    const QString path = recordPath(name);
    if (write(path))
        return true;
    logUnwritten(QStringLiteral("%1 could not be written").arg(QFileInfo(path).fileName()));
    return false;
}

void note(bool written, const QString &name, RecordWrites &out)
{
    if (!written)
        out.failed << name;
}

// A four-character id as one number, so that a long list's entries are
// looked up without making a string of each.
quint64 idKey(QStringView id)
{
    quint64 key = 0;
    for (qsizetype i = 0; i < id.size() && i < IdWidth; ++i)
        key |= quint64(id[i].unicode()) << (16 * i);
    return key;
}

// A list edited by the run's questions: where its entries equal to the
// run's ids lie is found in one pass over the list, so that the lookups,
// appends and removals of a quit cost nothing more however long the list
// is, and the list is rebuilt once, by finish(). Each call does what the
// same call on the list itself would (FlaggedList::indexOf, append and
// removeAt of the first equal entry).
class RunListEdit
{
public:
    RunListEdit(FlaggedList &list, int sum) : list_(list)
    {
        for (int n = 1; n <= sum; ++n)
            where_.try_emplace(idKey(idText(TmId[size_t(n)])));
        const int count = list_.count();
        const QChar *ids = list_.ids.constData();
        for (int k = 1; k <= count; ++k) {
            const auto it = where_.find(idKey(QStringView(ids + qsizetype(k - 1) * IdWidth, IdWidth)));
            if (it != where_.end())
                it->second.at.push_back(k);
        }
    }
    bool contains(QStringView id) const
    {
        const auto it = where_.find(idKey(id));
        return it != where_.end() && it->second.first < it->second.at.size();
    }
    void append(QStringView id)
    {
        list_.append(id);
        where_[idKey(id)].at.push_back(list_.count());
    }
    // Removes the first entry equal to id, when there is one.
    void removeFirst(QStringView id)
    {
        const auto it = where_.find(idKey(id));
        if (it == where_.end() || it->second.first >= it->second.at.size())
            return;
        removed_.push_back(it->second.at[it->second.first++]);
    }

    // The list without the removed entries and their flags.
    void finish()
    {
        if (removed_.empty())
            return;
        std::sort(removed_.begin(), removed_.end());
        // Closed up in place: the list is not copied.
        QChar *ids = list_.ids.data();
        QChar *flags = list_.flags.data();
        const int count = list_.count();
        int to = removed_.front(); // the place of the next kept entry
        for (size_t r = 0; r < removed_.size(); ++r) {
            const int from = removed_[r] + 1;
            const int end = r + 1 < removed_.size() ? removed_[r + 1] : count + 1; // kept: from to end - 1
            std::memmove(ids + qsizetype(to - 1) * IdWidth, ids + qsizetype(from - 1) * IdWidth,
                         sizeof(QChar) * size_t(end - from) * IdWidth);
            std::memmove(flags + (to - 1), flags + (from - 1), sizeof(QChar) * size_t(end - from));
            to += end - from;
        }
        list_.ids.truncate(qsizetype(to - 1) * IdWidth);
        list_.flags.truncate(to - 1);
        removed_.clear();
    }

private:
    struct Entries
    {
        std::vector<int> at; // the entries equal to the id, in list order
        size_t first = 0;    // those before it are removed
    };
    FlaggedList &list_;
    std::unordered_map<quint64, Entries> where_;
    std::vector<int> removed_;
};

// Adds the run's marked questions 1 to `sum` that are not in the list yet;
// an id joins the list at once, so a question listed twice is added once.
void addMarked(RunListEdit &list, int sum)
{
    for (int n = 1; n <= sum; ++n) {
        if (!questionMarked(n))
            continue;
        const QString id = idText(TmId[n]);
        if (!list.contains(id))
            list.append(id);
    }
}

// The 100 preset history lines with the file's first 100 lines over them.
QStringList overlayHistory(const QStringList &file)
{
    QStringList lines;
    for (int k = 1; k <= HistoryReadLines; ++k)
        lines << (k <= file.size() ? file[k - 1] : presetHistoryLine(k));
    return lines;
}

// ---- The steps of the quit ----------------------------------------------------

// Unit progress of sets 20 (the whole line of unit TaoNo) and 6 (the
// completed positions in the line of unit RecNo).
void mergeUnitProgress(RecordWrites &out)
{
    const int sum = questionSum();
    const int unit = PaperType == 20 ? TaoNo : RecNo;
    if (unit < 0 || unit >= UnitProgressUnits) {
        logFailure(OutOfRange, QStringLiteral("unit %1 has no progress line").arg(unit));
        out.failed << bank::UnitProgressFile;
        return;
    }
    const auto read = readRecordLines(bank::UnitProgressFile);
    if (!read) {
        out.failed << bank::UnitProgressFile;
        return;
    }
    QStringList lines = read->mid(0, UnitProgressReadLines);
    int lastUsed = 0; // lines up to the last one that holds anything
    for (int i = 0; i < lines.size(); ++i)
        if (!fnd::trimBlanks(lines[i]).isEmpty())
            lastUsed = i + 1;
    while (lines.size() <= unit)
        lines << QString();

    QString &line = lines[unit];
    if (PaperType == 20) {
        // The run's questions replace the line's first flags; flags past
        // them stay, so a unit counted short (a damaged paper list) does not
        // cost the done flags stored beyond its count.
        QString flags;
        for (int n = 1; n <= sum; ++n)
            flags += questionCompleted(n) ? u'T' : u'F';
        line = flags + line.mid(sum);
    } else {
        for (int n = 1; n <= sum; ++n) {
            const int p = TmId[n] % 100;
            if (!questionCompleted(n) || p < 1)
                continue;
            // A short line is padded first, so the "T" lands at its position.
            if (line.size() < p)
                line += QString(p - line.size(), u'F');
            line[p - 1] = u'T';
        }
    }
    // Never fewer lines than the units read and the one updated: a unit
    // count not yet known must not erase other units' progress.
    const int count = std::max({std::clamp<int>(UnitCount, 0, UnitProgressUnits), lastUsed, unit + 1});
    note(writeUnitProgress(lines, count), bank::UnitProgressFile, out);
}

// Review flags of sets 9 and 12 (question n is entry n) and 10 and 13
// (question k is the entry of the k-th flag that is not "T"), over the list
// as the cover composed the set from it: without the entries holding a
// blank. Such an entry leaves the list here with its own flag, both lines
// written, so that no later reader pairs the flags written with other ids.
void mergeReviewFlags(const ListFiles &files, bool wholeList, RecordWrites &out)
{
    auto idLine = tryReadRecordLine(files.ids);
    const auto flagLine = tryReadRecordLine(files.flags);
    if (!idLine || !flagLine) {
        out.failed << files.flags;
        return;
    }
    const int entries = idCount(*idLine);
    FlaggedList list = FlaggedList::fromLines(std::move(*idLine), *flagLine);
    QString &flags = list.flags;
    const int sum = questionSum();
    if (wholeList) {
        for (int n = 1; n <= sum && n <= flags.size(); ++n)
            if (questionCompleted(n))
                flags[n - 1] = u'T';
    } else {
        int k = 0;
        for (QChar &c : flags) {
            if (c == u'T')
                continue;
            ++k;
            if (k > sum)
                break;
            if (questionCompleted(k))
                c = u'T';
        }
    }
    if (list.count() != entries)
        writeFlaggedList(files, list, out);
    else
        note(writeRecordLines(files.flags, {flags}), files.flags, out);
}

void mergeMarks(bool addNew, RecordWrites &out)
{
    const ListFiles files = markedListFiles();
    const int sum = questionSum();
    auto list = tryReadFlaggedList(files);
    if (!list) {
        out.failed << files.ids << files.flags;
        return;
    }
    // New and removed marks in one write of each file: a quit cut short
    // between two writes would leave a list the learner never had.
    RunListEdit edit(*list, sum);
    if (addNew)
        addMarked(edit, sum);
    for (int n = 1; n <= sum; ++n)
        if (!questionMarked(n))
            edit.removeFirst(idText(TmId[n]));
    edit.finish();
    writeFlaggedList(files, *list, out);
}

// Set 2 after the answer Yes: the paper's wrong list keeps its k-th id
// exactly when question k is not completed.
void dropCompletedFromPaperList(RecordWrites &out)
{
    if (!validSlot(RecNo)) {
        logFailure(OutOfRange, QStringLiteral("paper slot %1 has no wrong list").arg(RecNo));
        out.failed << bank::ShiJuanCuoTiFile(RecNo);
        return;
    }
    const QString name = bank::ShiJuanCuoTiFile(RecNo);
    const auto line = tryReadRecordLine(name);
    if (!line) {
        out.failed << name;
        return;
    }
    const int sum = questionSum();
    QString kept;
    for (int k = 1; k <= idCount(*line); ++k)
        if (!(k <= sum && questionCompleted(k)) && writableId(idAt(*line, k)))
            kept += idAt(*line, k);
    note(writeRecordLines(name, {kept}), name, out);
}

} // namespace

// A record file's lines: empty when the file is missing; nullopt (logged)
// when it is there but cannot be read, so that no writer replaces what it
// could not read.
std::optional<QStringList> readRecordLines(const QString &name)
{
    const QString path = recordPath(name);
    if (!QFileInfo::exists(path))
        return QStringList();
    auto lines = fnd::readLines(path);
    if (!lines)
        logFailure(FileAccessError, QStringLiteral("%1 could not be read").arg(QFileInfo(path).fileName()));
    return lines;
}

bool writeRecordLines(const QString &name, const QStringList &lines)
{
    return replaceRecord(name, [&](const QString &path) { return fnd::writeLines(path, lines); });
}

std::optional<FlaggedList> tryReadFlaggedList(const ListFiles &files)
{
    auto ids = tryReadRecordLine(files.ids);
    const auto flags = tryReadRecordLine(files.flags);
    if (!ids || !flags)
        return std::nullopt;
    return FlaggedList::fromLines(std::move(*ids), *flags);
}

// ---- Id lists and flag strings ----------------------------------------------

int idCount(QStringView ids) { return int(ids.size() / IdWidth); }

bool writableId(QStringView id) { return !id.contains(u' '); }

QStringView idAt(QStringView ids, int k)
{
    if (k < 1 || k > idCount(ids))
        return {};
    return ids.mid(qsizetype(k - 1) * IdWidth, IdWidth);
}

int indexOfId(QStringView ids, QStringView id)
{
    const int n = idCount(ids);
    for (int k = 1; k <= n; ++k)
        if (idAt(ids, k) == id)
            return k;
    return 0;
}

QString idText(int id) { return (QStringLiteral("0000") + QString::number(id)).right(IdWidth); }

QString fitFlags(QStringView flags, int count)
{
    count = std::max(count, 0);
    if (flags.size() >= count)
        return flags.left(count).toString();
    return flags.toString() + QString(count - flags.size(), u'F');
}

void FlaggedList::append(QStringView id)
{
    ids += id;
    flags += u'F';
}

void FlaggedList::removeAt(int k)
{
    if (k < 1 || k > count())
        return;
    ids.remove(qsizetype(k - 1) * IdWidth, IdWidth);
    flags.remove(k - 1, 1);
}

FlaggedList FlaggedList::fromLines(QStringView idLine, QStringView flagLine)
{
    // A blank flag, which reads "not reviewed", becomes "F" for the same
    // reason an entry holding a blank is dropped (writableId).
    const int count = idCount(idLine);
    const QString flags = fitFlags(flagLine, count);
    FlaggedList l;
    for (int k = 1; k <= count; ++k) {
        const QStringView id = idAt(idLine, k);
        if (!writableId(id))
            continue;
        l.ids += id;
        l.flags += flags[k - 1] == u' ' ? u'F' : flags[k - 1];
    }
    return l;
}

FlaggedList FlaggedList::fromLines(QString &&idLine, QStringView flagLine)
{
    const int count = idCount(idLine);
    idLine.truncate(qsizetype(count) * IdWidth);
    if (idLine.contains(u' '))
        return fromLines(QStringView(idLine), flagLine);
    // No entry is dropped: the line is the list as it stands.
    FlaggedList l;
    l.flags = fitFlags(flagLine, count).replace(u' ', u'F');
    l.ids = std::move(idLine);
    return l;
}

ListFiles markedListFiles() { return {bank::BiaoZhiIdFile, bank::BiaoZhiFlagFile}; }
ListFiles wrongListFiles() { return {bank::CuoTiIdFile, bank::CuoTiFlagFile}; }

// ---- Record files -------------------------------------------------------------

QString recordPath(const QString &name)
{
    return fnd::inProgramFolder(bank::RecordFolder + u'/' + name + QStringLiteral(".mxy"));
}

QString readRecordLine(const QString &name) { return tryReadRecordLine(name).value_or(QString()); }

std::optional<QString> tryReadRecordLine(const QString &name)
{
    // Line 1 alone is read: nothing after it is looked at.
    const QString path = recordPath(name);
    if (!QFileInfo::exists(path))
        return QString();
    if (const auto line = fnd::readLineExact(path, 1))
        return fnd::trimBlanks(*line);
    if (fnd::isReadableFile(path))
        return QString();
    logFailure(FileAccessError, QStringLiteral("%1 could not be read").arg(QFileInfo(path).fileName()));
    return std::nullopt;
}

bool writeRecordLine(const QString &name, const QString &line) { return writeRecordLines(name, {line}); }

void setUnsavedRecordObserver(std::function<void(const QString &)> observer) { unsavedObserver() = std::move(observer); }

bool reportUnwritten(const QString &tag, const RecordWrites &writes)
{
    if (writes.ok())
        return true;
    fnd::trapError(tag, FileAccessError, QStringLiteral("not written: ") + writes.failed.join(u' '));
    return false;
}

void RecordBatch::setLines(const QString &name, const QStringList &lines) { setBytes(name, fnd::joinCrlf(lines)); }

void RecordBatch::setBytes(const QString &name, const QByteArray &bytes) { files_.append({name, bytes}); }

void RecordBatch::setCopy(const QString &from, const QString &to)
{
    const QString path = recordPath(from);
    if (const auto bytes = fnd::readBytes(path)) {
        setBytes(to, *bytes);
    } else if (QFileInfo(path).isFile()) {
        logFailure(FileAccessError, QStringLiteral("%1 could not be read").arg(QFileInfo(path).fileName()));
        refuse(from);
        setBytes(to, {}); // named among the files not written
    } else {
        setLines(to, {QString()});
    }
}

void RecordBatch::refuse(const QString &name) { refused_ << name; }

RecordWrites RecordBatch::write()
{
    RecordWrites out;
    QStringList names;
    for (const auto &f : files_)
        names << f.first;
    auto none = [&](const QString &cause, bool unwritten) {
        const QString text = cause + QStringLiteral("; none of %1 was changed").arg(names.join(u' '));
        unwritten ? logUnwritten(text) : logFailure(FileAccessError, text);
        out.failed = names;
        return out;
    };
    if (!refused_.isEmpty())
        return none(refused_.join(u' ') + QStringLiteral(" could not be read"), false);
    makeRecordFolder();
    // Every content written beside its file (an uncommitted file removes
    // its copy when it goes) before any file is replaced.
    std::vector<std::unique_ptr<QSaveFile>> staged;
    for (const auto &[name, bytes] : files_) {
        auto f = std::make_unique<QSaveFile>(recordPath(name));
        if (!f->open(QIODevice::WriteOnly) || f->write(bytes) != bytes.size() || !plat::flushWhole(*f, bytes.size()))
            return none(QFileInfo(f->fileName()).fileName() + QStringLiteral(" could not be written"), true);
        staged.push_back(std::move(f));
    }
    // A replacement failing now leaves its own file as it was; the others
    // are replaced still, their contents being ready.
    for (size_t i = 0; i < staged.size(); ++i) {
        if (!staged[i]->commit()) {
            logUnwritten(QStringLiteral("%1 could not be written").arg(QFileInfo(staged[i]->fileName()).fileName()));
            out.failed << files_[qsizetype(i)].first;
        }
    }
    return out;
}

FlaggedList readFlaggedList(const ListFiles &files)
{
    return FlaggedList::fromLines(readRecordLine(files.ids), readRecordLine(files.flags));
}

void writeFlaggedList(const ListFiles &files, const FlaggedList &list, RecordWrites &out)
{
    note(writeRecordLines(files.ids, {list.ids}), files.ids, out);
    note(writeRecordLines(files.flags, {list.flags}), files.flags, out);
}

QStringList readUnitProgress() { return readRecordLines(bank::UnitProgressFile).value_or(QStringList()).mid(0, UnitProgressReadLines); }

bool writeUnitProgress(const QStringList &lines, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << lines.value(i);
    out << QString(); // the file ends with an empty line
    return writeRecordLines(bank::UnitProgressFile, out);
}

QString presetHistoryLine(int k)
{
    switch (k % 3) {
    case 1: return NeverExamined;
    case 2: return QStringLiteral("0");
    default: return QStringLiteral("E");
    }
}

QStringList readExamHistory() { return overlayHistory(readRecordLines(bank::ShiJuanHisFile).value_or(QStringList())); }

bool writeExamHistory(const QStringList &lines)
{
    QStringList out;
    for (int k = 1; k <= HistoryWrittenLines; ++k)
        out << (k <= lines.size() ? lines[k - 1] : presetHistoryLine(k));
    out << QString();
    return writeRecordLines(bank::ShiJuanHisFile, out);
}

// ---- The run's questions --------------------------------------------------------

bool questionCompleted(int n) { return n >= 1 && n <= MaxQuestions && TmState[n] >= 4; }

bool questionMarked(int n) { return n >= 1 && n <= MaxQuestions && (TmState[n] & 2) != 0; }

void presetMarkedBits()
{
    const QString marked = readRecordLine(bank::BiaoZhiIdFile);
    // One pass over the list, however long it is, looking for the ids of
    // the 500 entries only.
    std::unordered_map<quint64, bool> found;
    for (int i = 1; i <= MaxQuestions; ++i)
        found.try_emplace(idKey(idText(TmId[size_t(i)])), false);
    const int n = idCount(marked);
    for (int k = 1; k <= n; ++k)
        if (const auto it = found.find(idKey(idAt(marked, k))); it != found.end())
            it->second = true;
    for (int i = 1; i <= MaxQuestions; ++i)
        if (found[idKey(idText(TmId[size_t(i)]))])
            TmState[size_t(i)] = qint16(TmState[size_t(i)] | 2);
}

bool anyCompleted()
{
    const int sum = questionSum();
    for (int n = 1; n <= sum; ++n)
        if (questionCompleted(n))
            return true;
    return false;
}

// ---- The quit of a practice ------------------------------------------------------

bool quitAsksToDropCompleted() { return PaperType == 2 && anyCompleted(); }

RecordWrites mergePracticeQuit(bool dropCompleted)
{
    RecordWrites out;
    const bool any = anyCompleted();
    if (any && (PaperType == 20 || PaperType == 6))
        mergeUnitProgress(out);
    if (any && (PaperType == 9 || PaperType == 10))
        mergeReviewFlags(markedListFiles(), PaperType == 9, out);
    if (any && (PaperType == 12 || PaperType == 13))
        mergeReviewFlags(wrongListFiles(), PaperType == 12, out);
    // A practice of the marked list adds no marks; every set removes them.
    mergeMarks(PaperType < 9 || PaperType > 11, out);
    if (PaperType == 2 && any && dropCompleted)
        dropCompletedFromPaperList(out);
    return out;
}

int returnPage(int paperType)
{
    switch (paperType) {
    case 5: case 6: case 20: return 16;
    case 9: case 10: case 11: return 18;
    case 12: case 13: case 14: return 19;
    default: return 0;
    }
}

// ---- The scoring of a mock exam ---------------------------------------------------

QString scoreText(double score)
{
    // Shortest plain decimal: 87.5, 100, 0 (scores are multiples of 2.5).
    return QString::number(score, 'g', 15);
}

ExamScore recordScoredExam(const QDateTime &now)
{
    ExamScore r;
    const int sum = questionSum();

    // The exam's marked questions join the marked list.
    const ListFiles marked = markedListFiles();
    if (auto list = tryReadFlaggedList(marked)) {
        RunListEdit edit(*list, sum);
        addMarked(edit, sum);
        writeFlaggedList(marked, *list, r.writes);
    } else {
        r.writes.failed << marked.ids << marked.flags;
    }

    // The questions not completed: their ids are those the exam ran. The
    // paper's list keeps every one in question order; the collection each id
    // once.
    int done = 0;
    QString paperWrong;
    const ListFiles wrong = wrongListFiles();
    auto collection = tryReadFlaggedList(wrong);
    std::optional<RunListEdit> collected;
    if (collection)
        collected.emplace(*collection, sum);
    for (int i = 1; i <= ExamQuestions; ++i) {
        if (i <= sum && questionCompleted(i)) {
            r.completed[i] = true;
            ++done;
            continue;
        }
        if (i > sum)
            continue;
        const QString id = idText(TmId[i]);
        paperWrong += id;
        if (collected && !collected->contains(id))
            collected->append(id);
    }
    r.score = done * 2.5;
    r.scoreText = scoreText(r.score);
    r.caption = PaperType == 8 ? QStringLiteral("随机题得分：") + r.scoreText + QStringLiteral("分")
                               : QStringLiteral("第") + QString::number(TaoNo + 1) + QStringLiteral("套得分：")
                                     + r.scoreText + QStringLiteral("分");

    const bool slotOk = validSlot(RecNo);
    if (!slotOk)
        logFailure(OutOfRange, QStringLiteral("paper slot %1 has no wrong list and no history").arg(RecNo));
    if (slotOk) {
        const QString name = bank::ShiJuanCuoTiFile(RecNo);
        note(writeRecordLines(name, {paperWrong}), name, r.writes);
    } else {
        r.writes.failed << bank::ShiJuanCuoTiFile(RecNo);
    }
    if (collection)
        writeFlaggedList(wrong, *collection, r.writes);
    else
        r.writes.failed << wrong.ids << wrong.flags;

    // The history slot: the time, and the best score unless the answers were
    // shown (ExamStart "-1"), when the time is the hand-in's.
    if (slotOk) {
        const auto file = readRecordLines(bank::ShiJuanHisFile);
        if (file) {
            QStringList lines = overlayHistory(*file);
            const int timeLine = 3 * RecNo, bestLine = 3 * RecNo + 1;
            lines[timeLine] = ExamStart;
            if (ExamStart != QLatin1String("-1")) {
                if (fnd::leadingValue(lines[bestLine]) < r.score)
                    lines[bestLine] = r.scoreText;
            } else {
                lines[timeLine] = now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            }
            note(writeExamHistory(lines), bank::ShiJuanHisFile, r.writes);
        } else {
            r.writes.failed << bank::ShiJuanHisFile;
        }
    } else {
        r.writes.failed << bank::ShiJuanHisFile;
    }
    ExamStart = QStringLiteral("-1");
    return r;
}

} // namespace run
