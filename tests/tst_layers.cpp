// The architecture in one place: the layers of src/ and the one direction of
// its dependencies. Every #include "folder/file.h" of src/ is read; a file
// may include its own layer and the layers below it, never a layer above,
// and a file of the core library never includes one of the UI library
// (whose folders the build names, see src/CMakeLists.txt).
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The layers of src/, lowest first. A subfolder belongs to its folder's
// layer (platform/ui to platform). A new folder gets a row here.
struct Layer
{
    int rank;
    QStringList folders;
    const char *holds;
};
const Layer kLayers[] = {
    {0, {"platform", "bank"}, "stand-ins for the platform's services; the bank's file names and record fields"},
    {1, {"foundation"}, "text files, numbers, product information, error report, start-up window, message box, "
                        "picture button"},
    {2, {"run", "update"}, "the run state and the learner records; the update manifest and the update server's addresses"},
    {3, {"simwin/scene", "simwin/chrome"}, "the simulated window's model: step records, caches, tab strips, key codes, "
                                           "scene stages, bar tables"},
    {4, {"simwin/checks"}, "the checks: plain functions deciding whether an event is the step's operation"},
    {5,
     {"simwin/window", "examflow", "cover", "demo", "auxiliary", "auxiliary/about", "auxiliary/ime", "auxiliary/update"},
     "the windows and their event handlers"},
    {6, {"app", ""}, "the application start, which wires the layers together; main.cpp"},
};

// The folder of a path relative to src/ ("" for a file directly in it).
QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

bool within(const QString &folder, const QString &base)
{
    return base.isEmpty() ? folder.isEmpty() : (folder == base || folder.startsWith(base + u'/'));
}

// The rank of a folder's layer (the longest folder of the table that holds
// it), or -1 when no layer holds it.
int rankOf(const QString &folder)
{
    int rank = -1;
    qsizetype matched = -1;
    for (const Layer &l : kLayers)
        for (const QString &f : l.folders)
            if (within(folder, f) && f.size() > matched) {
                matched = f.size();
                rank = l.rank;
            }
    return rank;
}

bool isUi(const QString &folder, const QStringList &uiFolders)
{
    for (const QString &f : uiFolders)
        if (within(folder, f))
            return true;
    return folder.isEmpty(); // main.cpp belongs to the executable
}

struct Source
{
    QString path; // relative to src/
    QString text;
};

// Every include of the sources that goes against the layers, one line each.
QStringList violations(const QList<Source> &files, const QStringList &uiFolders)
{
    static const QRegularExpression include(QStringLiteral("^[ \\t]*#[ \\t]*include[ \\t]*\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    QStringList out;
    for (const Source &s : files) {
        const QString folder = folderOf(s.path);
        const int rank = rankOf(folder);
        if (rank < 0) {
            out << s.path + QStringLiteral(": its folder is in no layer");
            continue;
        }
        for (auto it = include.globalMatch(s.text); it.hasNext();) {
            const QString included = it.next().captured(1);
            const QString target = folderOf(included);
            if (target.isEmpty())
                continue; // not a file of src/
            const int targetRank = rankOf(target);
            if (targetRank < 0)
                out << s.path + QStringLiteral(" includes ") + included + QStringLiteral(", whose folder is in no layer");
            else if (targetRank > rank)
                out << s.path + QStringLiteral(" includes ") + included
                           + QStringLiteral(" from layer %1 above its own layer %2").arg(targetRank).arg(rank);
            else if (!isUi(folder, uiFolders) && isUi(target, uiFolders))
                out << s.path + QStringLiteral(" (core) includes ") + included + QStringLiteral(" (UI)");
        }
    }
    return out;
}

QStringList buildUiFolders() { return QString::fromUtf8(EXAMSIM_UI_FOLDERS).split(u',', Qt::SkipEmptyParts); }

} // namespace

class TstLayers : public QObject
{
    Q_OBJECT
private slots:
    void rule_data();
    void rule();
    void sourceTree();
};

void TstLayers::rule_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("found");
    QTest::newRow("upward: foundation includes run") << "foundation/gbkfile.cpp"
                                                     << "#include \"run/runstate.h\"\n" << 1;
    QTest::newRow("upward: scene includes checks") << "simwin/scene/sceneend.h"
                                                   << "#include \"simwin/checks/stepmove.h\"\n" << 1;
    QTest::newRow("upward: window of the foundation includes the cover")
        << "foundation/ui/frmstart.cpp" << "#include \"cover/frmfengmian.h\"\n" << 1;
    QTest::newRow("upward: platform includes foundation") << "platform/registry.cpp"
                                                          << "#include \"foundation/globals.h\"\n" << 1;
    QTest::newRow("upward, indented and spaced") << "run/runstate.cpp" << "  #  include \"app/startup.h\"\n" << 1;
    QTest::newRow("core includes UI of its own layer") << "foundation/productinfo.cpp"
                                                       << "#include \"foundation/ui/form.h\"\n" << 1;
    QTest::newRow("folder in no layer") << "newfolder/x.cpp" << "#include \"bank/bankfiles.h\"\n" << 1;
    QTest::newRow("included folder in no layer") << "cover/x.cpp" << "#include \"newfolder/x.h\"\n" << 1;
    QTest::newRow("two upward includes") << "bank/bankfiles.h"
                                         << "#include \"run/runstate.h\"\n#include \"app/startup.h\"\n" << 2;
    QTest::newRow("downward") << "simwin/checks/dragdrop.cpp"
                              << "#include \"simwin/scene/steprecord.h\"\n#include \"run/runstate.h\"\n"
                                 "#include \"foundation/numparse.h\"\n#include \"bank/bankfiles.h\"\n"
                              << 0;
    QTest::newRow("same layer") << "examflow/questionloader.cpp" << "#include \"simwin/window/frmmain.h\"\n" << 0;
    QTest::newRow("same layer: the demonstration window") << "demo/window/frmyanshi.cpp"
                                                          << "#include \"examflow/frmtm.h\"\n" << 0;
    QTest::newRow("upward: scene includes the demonstration window")
        << "simwin/scene/x.cpp" << "#include \"demo/window/frmyanshi.h\"\n" << 1;
    QTest::newRow("UI includes core") << "foundation/ui/frmstart.cpp" << "#include \"foundation/globals.h\"\n"
                                      << 0;
    QTest::newRow("main includes the application") << "main.cpp" << "#include \"app/startup.h\"\n" << 0;
    QTest::newRow("system, commented and local includes")
        << "foundation/numparse.cpp" << "#include <QWidget>\n// #include \"app/startup.h\"\n#include \"x.moc\"\n"
        << 0;
}

void TstLayers::rule()
{
    QFETCH(QString, path);
    QFETCH(QString, text);
    QFETCH(int, found);
    const QStringList v = violations({{path, text}}, buildUiFolders());
    QVERIFY2(v.size() == found, qPrintable(v.join(u'\n')));
}

void TstLayers::sourceTree()
{
    const QString src = QStringLiteral(EXAMSIM_SOURCE_DIR "/src");
    QList<Source> files;
    QDirIterator it(src, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        QVERIFY(f.open(QIODevice::ReadOnly));
        files.append({QDir(src).relativeFilePath(f.fileName()), QString::fromUtf8(f.readAll())});
    }
    // The whole tree was read, not an empty or wrong folder.
    QVERIFY2(files.size() > 100, qPrintable(src));
    const QStringList found = violations(files, buildUiFolders());
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

QTEST_GUILESS_MAIN(TstLayers)
#include "tst_layers.moc"
