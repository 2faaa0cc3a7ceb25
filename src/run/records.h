#pragma once
// Learner records, namespace run: the record files in "ksdata" (marked
// questions, wrong-question collection, per-paper wrong lists, unit progress,
// exam history) and the merges of a finished run into them: the quit of a
// practice and the scoring of a mock exam. Plain code on the run state and
// the program folder: no window and no question asked. A Yes/No answer and
// the time are arguments; every failure is logged through the run's error
// log and returned. Every write replaces its file atomically.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <functional>
#include <optional>
#include <utility>

namespace run {

// ---- Id lists and flag strings ----------------------------------------------

// An IdList is four-character ids without separators; entry k (from 1) is
// characters 4k - 3 to 4k, and 1 to 3 characters after the last whole entry
// belong to none.
constexpr int IdWidth = 4;
int idCount(QStringView ids);
QStringView idAt(QStringView ids, int k);
// The entry (from 1) equal to id, comparing whole entries only; 0 when none.
int indexOfId(QStringView ids, QStringView id);
// An entry a writer may write back: one without blanks. Readers trim the
// lines, so a blank at either end of a written line would shift every entry
// after it; no id this program writes holds one.
bool writableId(QStringView id);
// The record form of a question id: the last four characters of "0000" and
// its decimal digits.
QString idText(int id);

// The one flag rule every reader and writer uses: a FlagString cut to its
// list's entry count, or padded with "F" (not reviewed) up to it.
QString fitFlags(QStringView flags, int count);

// An id list with its flags, held whole: ids only whole, writable entries,
// flags fitted to them.
struct FlaggedList
{
    QString ids;
    QString flags;

    int count() const { return idCount(ids); }
    int indexOf(QStringView id) const { return indexOfId(ids, id); }
    // Appends id with the flag "F".
    void append(QStringView id);
    // Removes entry k and flag k.
    void removeAt(int k);
    // The list as read from its two lines: trailing characters after the last
    // whole entry dropped, flags fitted, entries holding a blank dropped with
    // their flags, blank flags "F".
    static FlaggedList fromLines(QStringView idLine, QStringView flagLine);
    // The same, taking over the id line instead of copying it.
    static FlaggedList fromLines(QString &&idLine, QStringView flagLine);
};

// The two list files that carry flags.
struct ListFiles
{
    QString ids;
    QString flags;
};
ListFiles markedListFiles(); // BiaoZhiIdFile, BiaoZhiFlagFile
ListFiles wrongListFiles();  // CuoTiIdFile, CuoTiFlagFile

// ---- Record files -------------------------------------------------------------

// program folder / ksdata / name.mxy
QString recordPath(const QString &name);

// The files a run of writes could not write; each was logged when it failed
// and kept its old content.
struct RecordWrites
{
    QStringList failed;
    bool ok() const { return failed.isEmpty(); }
};
// Logs the files a user action could not write as one entry under the
// action's tag ("not written: " and their names), beside the entries of the
// failures themselves; true when every file was written.
bool reportUnwritten(const QString &tag, const RecordWrites &writes);

// Record files that only make sense together, replaced together: every new
// content is written whole beside its file first, and only when all are
// written are they put in place, one after the other. A content that cannot
// be written, or a file the batch was told it could not read (refuse), leaves
// every file of the batch as it was, and all of them are named in failed.
class RecordBatch
{
public:
    void setLines(const QString &name, const QStringList &lines);
    void setBytes(const QString &name, const QByteArray &bytes);
    // The bytes of record file `from` for `to`; one empty line when `from` is
    // missing or no regular file. A file there that cannot be read refuses
    // the batch: its content would be lost.
    void setCopy(const QString &from, const QString &to);
    // A file the batch needed and could not read: nothing is written.
    void refuse(const QString &name);
    RecordWrites write();

private:
    QList<std::pair<QString, QByteArray>> files_;
    QStringList refused_;
};

// Called after each record file that could not be written (its failure
// logged, its old content kept), with the record folder: the windows tell
// the learner. None by default.
void setUnsavedRecordObserver(std::function<void(const QString &folder)> observer);

// A one-line record file: its first line without outer blanks; "" when the
// file is missing, empty or unreadable.
QString readRecordLine(const QString &name);
// The same, but nullopt (logged) when the file is there and cannot be read.
std::optional<QString> tryReadRecordLine(const QString &name);
// Writes the line and CR LF. The record folder is created when missing; a
// failure is logged and gives false.
bool writeRecordLine(const QString &name, const QString &line);
// A record file's lines: empty when the file is missing; nullopt (logged)
// when it is there and cannot be read.
std::optional<QStringList> readRecordLines(const QString &name);
// Rewrites a record file whole, each line followed by CR LF, in the same way.
bool writeRecordLines(const QString &name, const QStringList &lines);
FlaggedList readFlaggedList(const ListFiles &files);
// The same, but nullopt (logged) when either file is there and cannot be
// read: whoever rewrites the list must not replace what it could not read.
std::optional<FlaggedList> tryReadFlaggedList(const ListFiles &files);
// Both lines; names of the files that failed are added to out.
void writeFlaggedList(const ListFiles &files, const FlaggedList &list, RecordWrites &out);

// Unit progress: line u + 1 is unit u's FlagString. Readers take at most 26
// lines; a writer writes n lines (missing ones empty) and one more CR LF.
constexpr int UnitProgressReadLines = 26;
constexpr int UnitProgressUnits = 25;
QStringList readUnitProgress();
bool writeUnitProgress(const QStringList &lines, int n);

// Exam history: three lines per paper slot (time, best score, "E"). Readers
// start from 100 preset lines and overlay at most 100 lines of the file; the
// writer writes lines 1 to 93 and one more CR LF.
constexpr int PaperSlots = 30;
constexpr int HistoryReadLines = 100;
constexpr int HistoryWrittenLines = 93;
inline const QString NeverExamined = QStringLiteral("您还未考试！");
QString presetHistoryLine(int k); // line k from 1
QStringList readExamHistory();
bool writeExamHistory(const QStringList &lines);

// ---- The run's questions --------------------------------------------------------

// Question n (1 to 500) of the run, by its TmState bits.
bool questionCompleted(int n); // state 4 or more
bool questionMarked(int n);    // the marked bit 2
// Some question 1 to TmSum is completed.
bool anyCompleted();
// Every run starts with the marked bit of each question 1 to 500 whose id is
// a whole entry of the marked list, so that its quit keeps earlier marks.
void presetMarkedBits();

// ---- The quit of a practice ------------------------------------------------------

// True when the quit must ask whether the completed questions leave the
// paper's wrong list (set 2 with something completed): the caller asks and
// passes the answer to mergePracticeQuit.
bool quitAsksToDropCompleted();
// Merges the run into the record files, one file at a time: unit progress
// (sets 20 and 6), review flags (9, 12 by position; 10, 13 by not-reviewed
// order), new marks (all sets but 9 to 11), removed marks (all sets), and for
// set 2, when dropCompleted, the paper's wrong list keeps the ids of the
// questions not completed. Untouched files stay as they were.
RecordWrites mergePracticeQuit(bool dropCompleted);
// The cover button whose page the cover reopens after a practice of the set:
// 16 units (5, 6, 20), 18 marked (9 to 11), 19 wrong (12 to 14), 0 home.
int returnPage(int paperType);

// ---- The scoring of a mock exam ---------------------------------------------------

constexpr int ExamQuestions = 40;
// A score in plain decimals without trailing zeros: "0", "7.5", "100".
QString scoreText(double score);

struct ExamScore
{
    double score = 0;
    QString scoreText;                       // "87.5"
    QString caption;                         // "第1套得分：87.5分" or "随机题得分：87.5分"
    std::array<bool, ExamQuestions + 1> completed{}; // per question 1 to 40, for the grid
    RecordWrites writes;
};
// Scores the exam of the run state (2.5 a completed question of 1 to 40) and
// records it: the marked questions join the marked list, the questions not
// completed the paper's wrong list "1824" & RecNo (in question order) and the
// collection, and the history slot RecNo gets the time and, unless ExamStart
// is "-1", a better score. With ExamStart "-1" the time written is now.
// ExamStart is "-1" afterwards.
ExamScore recordScoredExam(const QDateTime &now);

} // namespace run
