#include "foundation/picture.h"

#include "foundation/errreport.h"
#include "foundation/filestamp.h"
#include "foundation/globals.h"

#include <QCache>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QThread>
#include <algorithm>
#include <condition_variable>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace fnd {

namespace {
struct Entry {
    FileStamp stamp;
    QPixmap pixmap;
};

// A picture to decode ahead: queued, being decoded (its bytes reserved), or
// decoded and waiting to be shown.
struct AheadJob {
    enum State { Queued, Decoding, Done };
    QString path;
    State state = Queued;
    bool wanted = true; // false once let go: the worker drops what it decoded
    FileStamp stamp;
    QImage image;
    qint64 bytes = 0;
};
using Job = std::shared_ptr<AheadJob>;

qint64 imageBytes(qint64 width, qint64 height, int depth) { return width * height * std::max(depth, 8) / 8; }

// QCache counts cost in ints; kibibytes keep the budget far from their limit.
qsizetype kib(qint64 bytes) { return qsizetype((bytes + 1023) / 1024); }
qsizetype costOf(const QPixmap &pm) { return kib(imageBytes(pm.width(), pm.height(), pm.depth())); }

// Whether every pixel of a 32-bit picture with alpha is opaque.
bool opaque(const QImage &img)
{
    const int w = img.width();
    for (int y = 0; y < img.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(row[x]) != 255)
                return false;
    }
    return true;
}

// The formats the raster pixmaps use, made on the thread that decodes: a
// pixmap then takes the pixels as they are.
QImage forPixmap(QImage img)
{
    const QImage::Format f = img.format();
    if (img.isNull() || f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied)
        return img;
    if (!img.hasAlphaChannel())
        return std::move(img).convertToFormat(QImage::Format_RGB32);
    // An opaque picture's pixels are the same premultiplied or not: it only
    // changes its name (most of the bank's pictures carry an alpha channel
    // they do not use).
    if (f == QImage::Format_ARGB32 && opaque(img)) {
        img.reinterpretAsFormat(QImage::Format_RGB32);
        return img;
    }
    img = std::move(img).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (opaque(img))
        img.reinterpretAsFormat(QImage::Format_RGB32);
    return img;
}

QImage decode(QImageReader &reader) { return forPixmap(reader.read()); }

// The cache and the decoding ahead share one lock. The cache is touched on
// the GUI thread only; the worker reads its size to stay within the budget.
struct Pictures {
    std::mutex lock;
    std::condition_variable changed; // a job queued, finished or let go
    QCache<QString, Entry> cache{kib(PictureCacheBudget)};
    // The pictures on show, out of the cache's reach; their cost in KiB.
    QHash<QString, Entry *> shown;
    qsizetype shownCost = 0;
    qint64 budget = PictureCacheBudget;
    AheadShare share = AheadShare::Half;
    std::list<Job> jobs;
    qint64 aheadBytes = 0; // decoded ahead or reserved for a decoding
    std::vector<std::thread> workers;
    int busy = 0; // workers holding a job, let go or not
    bool stopping = false;

    ~Pictures()
    {
        stop();
        qDeleteAll(shown);
    }

    // Room for the cache: what the pictures on show and decoding ahead do
    // not hold.
    void fitCache(qint64 alsoKept = 0)
    {
        cache.setMaxCost(std::max<qsizetype>(0, qsizetype((budget - aheadBytes - alsoKept) / 1024) - shownCost));
    }
    qint64 aheadLimit() const { return share == AheadShare::Whole ? budget : budget / 2; }
    // Every byte the budget counts.
    qint64 keptBytes() const { return (qint64(cache.totalCost()) + shownCost) * 1024 + aheadBytes; }
    bool holds(const QString &path) const { return cache.contains(path) || shown.contains(path); }
    void forgetShown()
    {
        qDeleteAll(shown);
        shown.clear();
        shownCost = 0;
    }

    Job find(const QString &path) const
    {
        for (const Job &j : jobs)
            if (j->path == path)
                return j;
        return nullptr;
    }
    // Lets a job go; what it holds is returned to be freed outside the lock.
    QImage letGo(const Job &j)
    {
        j->wanted = false;
        if (j->state == AheadJob::Done)
            aheadBytes -= j->bytes;
        jobs.remove(j);
        return std::exchange(j->image, QImage());
    }

    void start()
    {
        if (!workers.empty())
            return;
        stopping = false;
        // More workers where the processor has cores to spare (at most
        // three): the pictures of a window about to load (the cover's 66)
        // are decoded by all of them and by the GUI thread at once.
        const int count = std::clamp(QThread::idealThreadCount() - 1, 1, 3);
        for (int i = 0; i < count; ++i)
            workers.emplace_back([this, i] { run(i > 0); });
        // Joined before the application's end, while its plugins are there.
        qAddPostRoutine([] { pictures().stop(); });
    }
    void stop()
    {
        {
            const std::lock_guard g(lock);
            stopping = true;
        }
        changed.notify_all();
        for (std::thread &w : workers)
            w.join();
        workers.clear();
    }

    void run(bool extra); // extra: not the first worker
    static Pictures &pictures();
};

Pictures &Pictures::pictures()
{
    static Pictures p;
    return p;
}
Pictures &pictures() { return Pictures::pictures(); }

void Pictures::run(bool extra)
{
    std::unique_lock g(lock);
    for (;;) {
        Job job;
        changed.wait(g, [&] {
            // The steps to come take their room in their order: only the
            // first worker decodes them.
            if (extra && share != AheadShare::Whole)
                return stopping;
            for (const Job &j : jobs)
                if (j->state == AheadJob::Queued) {
                    job = j;
                    return true;
                }
            return stopping;
        });
        if (stopping)
            return;
        job->state = AheadJob::Decoding;
        ++busy;
        g.unlock();
        const auto stamp = fileStamp(job->path);
        QImageReader reader(job->path);
        reader.setDecideFormatFromContent(true);
        const QSize size = stamp ? reader.size() : QSize();
        // Every decoded picture becomes 32 bits a pixel.
        const qint64 need = size.isValid() ? imageBytes(size.width(), size.height(), 32) : -1;
        g.lock();
        // Only the room the cache leaves, and at most the share of decoding
        // ahead; a picture that does not fit is decoded when shown.
        const bool fits = need >= 0 && aheadBytes + need <= aheadLimit() && keptBytes() + need <= budget;
        if (!job->wanted || !fits) {
            if (job->wanted)
                letGo(job);
            --busy;
            changed.notify_all();
            continue;
        }
        aheadBytes += need;
        g.unlock();
        QImage img = decode(reader);
        g.lock();
        aheadBytes -= need;
        const qint64 bytes = imageBytes(img.width(), img.height(), img.depth());
        if (job->wanted && !img.isNull() && bytes <= need) {
            job->image = std::move(img);
            job->stamp = *stamp;
            job->bytes = bytes;
            job->state = AheadJob::Done;
            aheadBytes += bytes;
        } else if (job->wanted) {
            letGo(job);
        }
        --busy;
        changed.notify_all();
        if (!img.isNull()) { // freed outside the lock
            g.unlock();
            img = QImage();
            g.lock();
        }
    }
}

// The picture decoded ahead for this file as it is now, taken from the
// worker (waiting for it when it is decoding it); a null image otherwise.
QImage takeAhead(std::unique_lock<std::mutex> &g, const QString &path, const FileStamp &stamp)
{
    Pictures &p = pictures();
    Job job = p.find(path);
    if (!job)
        return {};
    // A worker lets go of a picture it cannot decode (or that does not fit)
    // without finishing it.
    p.changed.wait(g, [&] { return !job->wanted || job->state != AheadJob::Decoding; });
    if (!job->wanted)
        return {};
    QImage img = p.letGo(job);
    if (job->stamp != stamp)
        return {};
    return img;
}
} // namespace

std::optional<QPixmap> loadPicture(const QString &path)
{
    const auto stamp = fileStamp(path);
    if (!stamp)
        return std::nullopt;
    Pictures &p = pictures();
    QImage img;
    {
        std::unique_lock g(p.lock);
        if (const auto it = p.shown.constFind(path); it != p.shown.constEnd()) {
            if ((*it)->stamp == *stamp)
                return (*it)->pixmap;
            p.shownCost -= costOf((*it)->pixmap); // changed on disk
            delete *it;
            p.shown.erase(it);
        }
        // object() makes the entry the most recently used.
        if (const Entry *e = p.cache.object(path); e && e->stamp == *stamp)
            return e->pixmap;
        img = takeAhead(g, path, *stamp);
    }
    if (img.isNull()) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        // Room first: the least recently used pictures go before the new one
        // is decoded, not after, so the budget is not passed by a picture
        // (a whole screenshot) while it is decoded.
        if (const QSize size = reader.size(); size.isValid()) {
            const std::lock_guard g(p.lock);
            p.fitCache(imageBytes(size.width(), size.height(), 32));
        }
        img = decode(reader);
    }
    if (img.isNull())
        return std::nullopt;
    QPixmap pm = QPixmap::fromImage(std::move(img), Qt::NoFormatConversion);
    const std::lock_guard g(p.lock);
    p.fitCache();
    // A picture larger than the whole budget is shown but not kept.
    p.cache.insert(path, new Entry{*stamp, pm}, costOf(pm));
    return pm;
}

bool loadPictureInto(QPixmap &target, const QString &path)
{
    if (auto pm = loadPicture(path)) {
        target = *pm;
        return true;
    }
    return false;
}

std::optional<QPixmap> loadDataPicture(const QString &name, const QString &tag)
{
    const QString path = dataFile(name);
    if (auto pm = loadPicture(path))
        return pm;
    if (QFileInfo(path).isFile())
        trapError(tag, 481, QStringLiteral("Invalid picture"));
    else
        trapError(tag, 53, QStringLiteral("File not found"));
    return std::nullopt;
}

void decodeAhead(const QStringList &paths, AheadShare share)
{
    Pictures &p = pictures();
    QList<QImage> dropped; // freed outside the lock
    {
        const std::lock_guard g(p.lock);
        p.share = share;
        for (const Job &j : std::list<Job>(p.jobs))
            if (!paths.contains(j->path))
                dropped << p.letGo(j);
        if (share == AheadShare::Whole)
            for (const QString &path : p.cache.keys())
                if (!paths.contains(path))
                    p.cache.remove(path);
        bool queued = false;
        for (const QString &path : paths) {
            if (p.holds(path) || p.find(path))
                continue;
            auto j = std::make_shared<AheadJob>();
            j->path = path;
            p.jobs.push_back(j);
            queued = true;
        }
        if (!queued)
            return;
        // Room for the share of decoding ahead: the least recently used
        // pictures go first. (With the whole budget the cache holds only
        // pictures of the list by now.)
        if (share == AheadShare::Half)
            p.fitCache(p.aheadLimit());
        p.fitCache();
        p.start();
    }
    p.changed.notify_all();
}

bool waitForDecodeAhead(int msecs)
{
    Pictures &p = pictures();
    QDeadlineTimer deadline(msecs);
    std::unique_lock g(p.lock);
    return p.changed.wait_for(g, std::chrono::milliseconds(deadline.remainingTime()), [&] {
        if (p.busy)
            return false;
        for (const Job &j : p.jobs)
            if (j->state != AheadJob::Done)
                return false;
        return true;
    });
}

bool isPictureDecodedAhead(const QString &path)
{
    Pictures &p = pictures();
    const std::lock_guard g(p.lock);
    const Job j = p.find(path);
    return j && j->state == AheadJob::Done;
}

void keepShownPictures(const QStringList &paths)
{
    Pictures &p = pictures();
    const std::lock_guard g(p.lock);
    QHash<QString, Entry *> shown;
    qsizetype cost = 0;
    for (const QString &path : paths) {
        Entry *e = p.shown.take(path);
        if (!e)
            e = p.cache.take(path);
        if (e && !shown.contains(path)) {
            shown.insert(path, e);
            cost += costOf(e->pixmap);
        } else {
            delete e;
        }
    }
    // What is no longer on show goes back to the cache as its most recently
    // used pictures.
    const QHash<QString, Entry *> before = std::exchange(p.shown, shown);
    p.shownCost = cost;
    p.fitCache();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        p.cache.insert(it.key(), it.value(), costOf(it.value()->pixmap));
}

void clearPictureCache()
{
    Pictures &p = pictures();
    QList<QImage> dropped;
    const std::lock_guard g(p.lock);
    p.cache.clear();
    p.forgetShown();
    for (const Job &j : std::list<Job>(p.jobs))
        dropped << p.letGo(j);
    p.fitCache();
}

qint64 pictureCacheBytes()
{
    Pictures &p = pictures();
    const std::lock_guard g(p.lock);
    return p.keptBytes();
}

bool isPictureCached(const QString &path)
{
    Pictures &p = pictures();
    const std::lock_guard g(p.lock);
    return p.holds(path);
}

void setPictureCacheBudget(qint64 bytes)
{
    Pictures &p = pictures();
    const std::lock_guard g(p.lock);
    p.budget = bytes < 0 ? PictureCacheBudget : bytes;
    p.fitCache();
}

} // namespace fnd
