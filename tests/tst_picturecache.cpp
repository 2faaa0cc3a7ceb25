// The decoded-picture cache: a picture shown again is not decoded again, the
// cache never holds more pixel bytes than its budget, and the least recently
// used pictures are the ones it lets go.
#include "foundation/picture.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

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

private:
    // A 32-bit picture of w x h pixels named `name` in the folder.
    QString picture(const QString &name, int w, int h, QRgb colour = qRgb(10, 20, 30));
    QTemporaryDir dir_;
};

void TstPictureCache::init() { fnd::clearPictureCache(); }

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

QTEST_MAIN(TstPictureCache)
#include "tst_picturecache.moc"
