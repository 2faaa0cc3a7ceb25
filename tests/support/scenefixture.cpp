#include "scenefixture.h"

#include "testsupport.h"

#include "bank/bankfiles.h"
#include "examflow/examstate.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/programfolder.h"
#include "run/runstate.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/scenestate.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace ts {

SceneFixture::SceneFixture()
{
    QDir().mkpath(dataDir());
    QDir().mkpath(programDir() + QStringLiteral("/examdata"));
    QDir().mkpath(programDir() + QStringLiteral("/ksdata"));
    // The sample bank's product information, so that the program finds this
    // data folder.
    QFile::copy(sampleProgramDir() + QStringLiteral("/ver.txt"), programDir() + QStringLiteral("/ver.txt"));
    for (const QString &name : {bank::ProductInfoFile, bank::ModuleNoFile})
        QFile::copy(sampleProgramDir() + QStringLiteral("/wydata/") + name + QStringLiteral(".mxy"), dataFile(name));
    fnd::overrideProgramFolder(programDir());
    fnd::resetGlobals();
    fnd::DataPath = dataDir() + u'/';
    run::resetRunState();
    scene::resetSceneState();
    exam::resetExamState();
    fnd::clearPictureCache();
    scene::clearLineCache();
}

SceneFixture::~SceneFixture()
{
    fnd::overrideProgramFolder(QString());
    fnd::clearPictureCache();
    scene::clearLineCache();
}

QString SceneFixture::dataFile(const QString &name) const { return dataDir() + u'/' + name + QStringLiteral(".mxy"); }

void SceneFixture::writeUnit(int unit, const QList<QStringList> &questions)
{
    QStringList steps, lines;
    int q = 0;
    for (const QStringList &s : questions) {
        ++q;
        steps += s;
        lines += QStringLiteral("%1%2第%3题").arg(unit * 100 + q, 4, 10, QChar(u'0')).arg(s.size(), 2, 10, QChar(u'0')).arg(q);
    }
    fnd::writeLines(dataFile(bank::unitFiles(unit).step), steps);
    fnd::writeLines(dataFile(bank::unitFiles(unit).tm), lines);
    questions_[unit] = int(questions.size());
    const int units = questions_.lastKey() + 1;
    QString counts;
    for (int u = 0; u < units; ++u)
        counts += QStringLiteral("%1").arg(questions_.value(u), 2, 10, QChar(u'0'));
    fnd::writeLines(dataFile(bank::PaperListFile), {QStringLiteral("00%1").arg(units, 2, 10, QChar(u'0')), counts});
}

void SceneFixture::writeAnswers(const QStringList &texts)
{
    QStringList lines;
    for (int i = 0; i < texts.size(); ++i)
        lines += QStringLiteral("%1").arg(i + 1, 3, 10, QChar(u'0')) + texts.at(i);
    fnd::writeLines(dataFile(bank::CommonDataFile), lines);
}

void SceneFixture::writePicture(const QString &name, QSize size, const QColor &color)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    img.save(dataFile(name), "PNG");
}

} // namespace ts
