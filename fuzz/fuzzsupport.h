#pragma once
// What the fuzz targets share: the fault signal, the input cut into pieces
// and a scratch folder (in memory where the system offers one, so file
// writes do not wait for the disk).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A broken invariant: the line that says which, then the fault.
inline void check(bool ok, const char *file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (!ok) {
        std::fprintf(stderr, "fuzz: check failed at %s:%d\n", file, line);
        std::abort();
    }
}

// The input cut at NUL bytes; missing pieces are empty.
struct Pieces
{
    QList<QByteArray> parts;
    Pieces(const uint8_t *data, size_t size)
        : parts(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0'))
    {
    }
    QByteArray operator[](int i) const { return parts.value(i); }
};

// One folder for the whole run of a target, removed when it ends.
inline QString scratchFolder(const char *name)
{
    static QTemporaryDir *dir = nullptr;
    if (!dir) {
        const QString pattern = QStringLiteral("/fuzz_%1-XXXXXX").arg(QLatin1String(name));
        dir = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? new QTemporaryDir(QStringLiteral("/dev/shm") + pattern)
                                                                  : new QTemporaryDir(QDir::tempPath() + pattern);
        std::atexit([] { delete dir; });
    }
    return dir->path();
}

inline void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

inline QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The GUI, once, for targets that make pixmaps and cursors; the offscreen
// platform needs no display.
inline void startGui()
{
    static QGuiApplication *app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
}

} // namespace fuzz
