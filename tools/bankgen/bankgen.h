#pragma once
// The sample-bank generator: each part of the program folder is written by
// one registered step; steps run in ascending order.

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

class QImage;

namespace bankgen {

// Fixed facts of the sample bank that several steps share.
inline const QString kDataFolder = QStringLiteral("wydata"); // ver.txt line 3
constexpr int kModuleNo = 8;                                  // ver.txt line 4 and "288899"
// The largest bank: units 0 to 19 (unit 20's question file would be the
// answer-text file), 99 questions each (two-digit positions), and as many
// fixed papers of 40 questions.
constexpr int kLargeUnits = 20;
constexpr int kLargeQuestions = 99;
constexpr int kLargePapers = 20;
constexpr int kPaperQuestions = 40;

struct Context {
    QString programDir; // the program folder, no trailing separator
    QString dataDir;    // programDir + "/" + kDataFolder, no trailing separator
    QStringList errors; // a step that fails adds a line; the generator then exits 1
    // The largest bank the format allows instead of the sample: every unit
    // and paper the bank can hold, made of the sample's questions.
    bool large = false;
    // Editor screenshots of this size (the window at the top-left corner of
    // a larger desktop); invalid: the window's own 800 x 600.
    QSize screenshotSize;

    QString dataFile(const QString &name) const { return dataDir + u'/' + name + QStringLiteral(".mxy"); }
    QString programFile(const QString &name) const { return programDir + u'/' + name; }

    // Each writes its file whole through an atomic replace; a failure adds an
    // error line and gives false.
    // GBK text lines, each followed by CR LF; a line GBK cannot hold is a failure.
    bool writeLines(const QString &path, const QStringList &lines);
    bool writeBytes(const QString &path, const QByteArray &bytes);
    // A picture as PNG.
    bool writePicture(const QString &path, const QImage &picture);
};

using StepFn = void (*)(Context &);

// The sample learner's record files, written into `folder` (made when
// missing); 0 when every file was written, else 1.
int writeLearner(const QString &folder);

struct Registrar {
    Registrar(int order, const char *name, StepFn fn);
};

} // namespace bankgen

// Registers a generator step: BANKGEN_STEP(20, "product information", writeProductInfo)
#define BANKGEN_CAT2(a, b) a##b
#define BANKGEN_CAT(a, b) BANKGEN_CAT2(a, b)
#define BANKGEN_STEP(order, name, fn) \
    static const bankgen::Registrar BANKGEN_CAT(bankgenStep_, __LINE__)(order, name, fn)
