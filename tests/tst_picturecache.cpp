// The decoded-picture cache: a picture shown again is not decoded again, the
// cache never holds more pixel bytes than its budget, and the least recently
// used pictures are the ones it lets go. Pictures decoded ahead on the
// worker thread are the ones shown, count against the same budget and are
// let go when the list of pictures to come changes.
#include "foundation/picture.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

namespace {
constexpr qint64 KiB = 1024;
} // namespace

class TstPictureCache : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void leastRecentlyUsedGoFirst_data();
    void leastRecentlyUsedGoFirst();
    void changedFileIsDecodedAgain();
    void screenshotsStayWithinTheBudget();
    void decodedAheadIsWhatIsShown_data();
    void decodedAheadIsWhatIsShown();
    void decodingAheadKeepsWithinTheBudget();
    void aWindowsPicturesTakeTheWholeBudget();
    void anotherListLetsGoWhatWasDecodedAhead();
    void changedFileIsNotTakenFromAhead();
    void aDamagedPictureAskedForWhileDecodedAheadComesBack();

private:
    // A 32-bit picture of w x h pixels named `name` in the folder.
    QString picture(const QString &name, int w, int h, QRgb colour = qRgb(10, 20, 30));
    QTemporaryDir dir_;
};

void TstPictureCache::init() { fnd::clearPictureCache(); }

namespace {
// The file decoded directly, in the pixmap's own terms (premultiplied).
QImage decodedDirectly(const QString &path)
{
    QImageReader r(path);
    r.setDecideFormatFromContent(true);
    return r.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
} // namespace

void TstPictureCache::cleanup()
{
    fnd::setPictureCacheBudget(-1);
    fnd::clearPictureCache();
}

QString TstPictureCache::picture(const QString &name, int w, int h, QRgb colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    const QString path = dir_.filePath(name + QStringLiteral(".mxy"));
    // Saved as PNG under the bank's suffix: read by content.
    img.save(path, "PNG");
    return path;
}

void TstPictureCache::leastRecentlyUsedGoFirst_data()
{
    // Each picture is 64 x 64 x 4 bytes = 16 KiB; the budget holds three.
    QTest::addColumn<QString>("shown");  // pictures in the order shown
    QTest::addColumn<QString>("cached"); // what the cache holds after
    QTest::newRow("three fit") << "abc" << "abc";
    QTest::newRow("the oldest goes") << "abcd" << "bcd";
    QTest::newRow("shown again is recent") << "abcad" << "acd";
    QTest::newRow("two go") << "abcde" << "cde";
    QTest::newRow("again and again") << "abcabcd" << "bcd";
}

void TstPictureCache::leastRecentlyUsedGoFirst()
{
    QFETCH(QString, shown);
    QFETCH(QString, cached);
    fnd::setPictureCacheBudget(3 * 16 * KiB);
    QHash<QChar, QString> files;
    for (const QChar c : QStringLiteral("abcde"))
        files[c] = picture(c, 64, 64);
    for (const QChar c : shown)
        QVERIFY(fnd::loadPicture(files[c]));
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QVERIFY2(fnd::isPictureCached(it.value()) == cached.contains(it.key()), qPrintable(QString(it.key())));
    QVERIFY(fnd::pictureCacheBytes() <= 3 * 16 * KiB);
}

void TstPictureCache::changedFileIsDecodedAgain()
{
    const QString path = picture(QStringLiteral("p"), 8, 8, qRgb(255, 0, 0));
    QCOMPARE(fnd::loadPicture(path)->toImage().pixel(0, 0), qRgb(255, 0, 0));
    // Another size changes the stamp whatever the clock says.
    picture(QStringLiteral("p"), 9, 9, qRgb(0, 0, 255));
    const auto again = fnd::loadPicture(path);
    QVERIFY(again);
    QCOMPARE(again->size(), QSize(9, 9));
    QCOMPARE(again->toImage().pixel(0, 0), qRgb(0, 0, 255));
}

void TstPictureCache::screenshotsStayWithinTheBudget()
{
    // A long practice: more full-screen screenshots than the budget holds
    // (1920 x 1080 x 4 bytes each), shown one after another.
    const QString first = picture(QStringLiteral("s0"), 1920, 1080);
    const int count = int(fnd::PictureCacheBudget / (1920 * 1080 * 4)) + 4;
    QStringList shots{first};
    for (int i = 1; i < count; ++i) {
        const QString copy = dir_.filePath(QStringLiteral("s%1.mxy").arg(i));
        QVERIFY(QFile::copy(first, copy));
        shots << copy;
    }
    for (const QString &s : shots) {
        QVERIFY(fnd::loadPicture(s));
        QVERIFY(fnd::pictureCacheBytes() <= fnd::PictureCacheBudget);
    }
    // The latest is kept, the earliest let go.
    QVERIFY(fnd::isPictureCached(shots.last()));
    QVERIFY(!fnd::isPictureCached(shots.first()));
    // A picture larger than the whole budget is still shown.
    fnd::setPictureCacheBudget(KiB);
    QCOMPARE(fnd::loadPicture(first)->size(), QSize(1920, 1080));
    QVERIFY(!fnd::isPictureCached(first));
}

void TstPictureCache::decodedAheadIsWhatIsShown_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("opaque") << int(QImage::Format_RGB32) << qRgb(10, 200, 30);
    QTest::newRow("see-through") << int(QImage::Format_ARGB32) << qRgba(200, 10, 30, 100);
    QTest::newRow("alpha channel, every pixel opaque") << int(QImage::Format_ARGB32) << qRgba(1, 2, 3, 255);
    QTest::newRow("indexed") << int(QImage::Format_Indexed8) << qRgb(90, 90, 250);
}

void TstPictureCache::decodedAheadIsWhatIsShown()
{
    QFETCH(int, format);
    QFETCH(QRgb, colour);
    QImage img(37, 23, QImage::Format_ARGB32);
    img.fill(colour);
    for (int x = 0; x < img.width(); ++x)
        img.setPixel(x, x % img.height(), qRgba(x * 6, 255 - x * 6, 7, qAlpha(colour)));
    img = img.convertToFormat(QImage::Format(format));
    const QString path = dir_.filePath(QStringLiteral("ahead.mxy"));
    QVERIFY(img.save(path, "PNG"));

    fnd::decodeAhead({path});
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(fnd::isPictureDecodedAhead(path));
    QVERIFY(!fnd::isPictureCached(path));
    const auto shown = fnd::loadPicture(path);
    QVERIFY(shown);
    QCOMPARE(shown->toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), decodedDirectly(path));
    // Taken from the worker into the cache.
    QVERIFY(!fnd::isPictureDecodedAhead(path));
    QVERIFY(fnd::isPictureCached(path));
}

void TstPictureCache::decodingAheadKeepsWithinTheBudget()
{
    // 16 KiB pictures; a budget of four: decoding ahead takes at most two.
    fnd::setPictureCacheBudget(4 * 16 * KiB);
    QStringList shown, ahead;
    for (int i = 0; i < 4; ++i)
        shown << picture(QStringLiteral("s%1").arg(i), 64, 64);
    for (int i = 0; i < 4; ++i)
        ahead << picture(QStringLiteral("a%1").arg(i), 64, 64, qRgb(i, 2 * i, 3 * i));
    for (const QString &s : shown)
        QVERIFY(fnd::loadPicture(s));
    QCOMPARE(fnd::pictureCacheBytes(), 4 * 16 * KiB);

    fnd::decodeAhead(ahead);
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(fnd::pictureCacheBytes() <= 4 * 16 * KiB);
    // The first in order; the least recently shown made room.
    QVERIFY(fnd::isPictureDecodedAhead(ahead[0]));
    QVERIFY(fnd::isPictureDecodedAhead(ahead[1]));
    QVERIFY(!fnd::isPictureDecodedAhead(ahead[2]));
    QVERIFY(!fnd::isPictureDecodedAhead(ahead[3]));
    QVERIFY(!fnd::isPictureCached(shown[0]));
    QVERIFY(fnd::isPictureCached(shown[3]));
    // Every one shows, decoded ahead or not, and the budget holds throughout.
    for (int i = 0; i < 4; ++i) {
        const auto pm = fnd::loadPicture(ahead[i]);
        QVERIFY(pm);
        QCOMPARE(pm->toImage().pixel(5, 5), qRgb(i, 2 * i, 3 * i));
        QVERIFY(fnd::pictureCacheBytes() <= 4 * 16 * KiB);
    }
    // A picture larger than what decoding ahead may hold is left to its scene.
    const QString big = picture(QStringLiteral("big"), 128, 128);
    fnd::decodeAhead({big});
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(!fnd::isPictureDecodedAhead(big));
    QCOMPARE(fnd::loadPicture(big)->size(), QSize(128, 128));
}

void TstPictureCache::aWindowsPicturesTakeTheWholeBudget()
{
    // A budget of four 16 KiB pictures, two of them shown; a window about to
    // load names three pictures and one of those shown.
    fnd::setPictureCacheBudget(4 * 16 * KiB);
    const QString kept = picture(QStringLiteral("kept"), 64, 64), old = picture(QStringLiteral("old"), 64, 64);
    QVERIFY(fnd::loadPicture(kept) && fnd::loadPicture(old));
    QStringList window;
    for (int i = 0; i < 3; ++i)
        window << picture(QStringLiteral("w%1").arg(i), 64, 64, qRgb(i, 2 * i, 3 * i));
    fnd::decodeAhead(window + QStringList{kept}, fnd::AheadShare::Whole);
    QVERIFY(fnd::waitForDecodeAhead(5000));
    // All three decoded ahead, past the half that the steps to come may
    // take; the picture it names is kept, the other let go.
    for (const QString &w : window)
        QVERIFY2(fnd::isPictureDecodedAhead(w), qPrintable(w));
    QVERIFY(fnd::isPictureCached(kept));
    QVERIFY(!fnd::isPictureCached(old));
    QVERIFY(fnd::pictureCacheBytes() <= 4 * 16 * KiB);
    // The load takes each from the worker, within the budget.
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(fnd::loadPicture(window[i])->toImage().pixel(5, 5), qRgb(i, 2 * i, 3 * i));
        QVERIFY(!fnd::isPictureDecodedAhead(window[i]) && fnd::isPictureCached(window[i]));
    }
    QVERIFY(fnd::pictureCacheBytes() <= 4 * 16 * KiB);
}

void TstPictureCache::anotherListLetsGoWhatWasDecodedAhead()
{
    const QString a = picture(QStringLiteral("a"), 64, 64), b = picture(QStringLiteral("b"), 64, 64);
    const QString c = picture(QStringLiteral("c"), 64, 64);
    fnd::decodeAhead({a, b});
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(fnd::isPictureDecodedAhead(a) && fnd::isPictureDecodedAhead(b));
    QCOMPARE(fnd::pictureCacheBytes(), 2 * 16 * KiB);
    // Another question: only what its list names stays.
    fnd::decodeAhead({b, c});
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(!fnd::isPictureDecodedAhead(a));
    QVERIFY(fnd::isPictureDecodedAhead(b) && fnd::isPictureDecodedAhead(c));
    QCOMPARE(fnd::pictureCacheBytes(), 2 * 16 * KiB);
    fnd::decodeAhead({});
    QCOMPARE(fnd::pictureCacheBytes(), qint64(0));
    // A cold start lets go of everything.
    fnd::decodeAhead({a});
    QVERIFY(fnd::waitForDecodeAhead(5000));
    fnd::clearPictureCache();
    QVERIFY(!fnd::isPictureDecodedAhead(a));
    QCOMPARE(fnd::pictureCacheBytes(), qint64(0));
}

void TstPictureCache::changedFileIsNotTakenFromAhead()
{
    const QString path = picture(QStringLiteral("p"), 8, 8, qRgb(255, 0, 0));
    fnd::decodeAhead({path});
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(fnd::isPictureDecodedAhead(path));
    picture(QStringLiteral("p"), 9, 9, qRgb(0, 0, 255));
    const auto shown = fnd::loadPicture(path);
    QVERIFY(shown);
    QCOMPARE(shown->size(), QSize(9, 9));
    QCOMPARE(shown->toImage().pixel(0, 0), qRgb(0, 0, 255));
    // A file that is gone is not shown from what was decoded ahead either.
    fnd::decodeAhead({path});
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(QFile::remove(path));
    QVERIFY(!fnd::loadPicture(path));
}

void TstPictureCache::aDamagedPictureAskedForWhileDecodedAheadComesBack()
{
    // A picture whose header is sound and whose pixels are damaged halfway:
    // the worker spends milliseconds decoding it before it fails.
    QImage noise(800, 600, QImage::Format_RGB32);
    QRandomGenerator gen(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, gen.generate());
    const QString path = dir_.filePath(QStringLiteral("damaged.mxy"));
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(noise.save(&buffer, "PNG"));
    }
    for (qsizetype i = bytes.size() / 2; i < bytes.size() / 2 + 4096; ++i)
        bytes[i] = char(0xA5 ^ bytes[i]);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    // Asked for as soon as it is queued, again and again: the asker meets it
    // queued, or being decoded, and must come back with nothing each time,
    // not wait for a worker that has let it go. It asks beside the test, so
    // that a wait without end fails the test instead of hanging it; a
    // damaged picture makes no pixmap.
    for (int round = 0; round < 20; ++round) {
        fnd::clearPictureCache();
        fnd::decodeAhead({path}, fnd::AheadShare::Whole);
        auto answered = std::make_shared<std::atomic<bool>>(false);
        std::thread asker([path, answered] {
            (void)fnd::loadPicture(path);
            *answered = true;
        });
        if (!QTest::qWaitFor([&] { return answered->load(); }, 10000)) {
            asker.detach();
            QFAIL(qPrintable(QStringLiteral("round %1: the asker still waits").arg(round)));
        }
        asker.join();
    }
}

QTEST_MAIN(TstPictureCache)
#include "tst_picturecache.moc"
