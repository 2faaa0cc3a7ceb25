#pragma once
// A small program folder written by the test itself: a data folder with one or
// more units (step file, question file) counted in its paper list, an
// answer-text file and plain pictures, for scene tests that need records of
// known content. The cover loads on it (the sample's module number).

#include "steplines.h"

#include <QColor>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace ts {

class SceneFixture
{
public:
    // Makes the folders and points the program at them (program folder,
    // DataPath, run and scene state reset, caches cleared).
    SceneFixture();
    ~SceneFixture();

    QString programDir() const { return dir_.path(); }
    QString dataDir() const { return dir_.path() + QStringLiteral("/wydata"); }
    QString dataFile(const QString &name) const;

    // Unit u: questions[i] is the step records of question i + 1; the
    // question file gets one line per question with its step count. The
    // paper list counts the units up to the highest written and each one's
    // questions (no fixed paper).
    void writeUnit(int unit, const QList<QStringList> &questions);
    // The answer-text file "288890": line n is "nnn" + texts[n - 1].
    void writeAnswers(const QStringList &texts);
    // A plain picture of one colour in the data folder.
    void writePicture(const QString &name, QSize size, const QColor &color);

private:
    QTemporaryDir dir_;
    QMap<int, int> questions_; // per unit written
};

} // namespace ts
