// The window order on a real X server with no window manager, where the
// stays-on-top hint does nothing: the probe plays a practice on an Xvfb
// server of the test's own, and the server's own stacking order is read
// after each change. The question window must show above the simulated
// window once the practice starts, after every scene and after the
// demonstration; the demonstration's note must show on the screen.
#include "banksolver.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <sys/prctl.h>
#include <xcb/xcb.h>

namespace {

// The root's mapped children, bottom to top: the server lists children in
// their stacking order.
QList<quint32> shownBottomToTop(xcb_connection_t *x, xcb_window_t root)
{
    QList<quint32> shown;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    if (!tree)
        return shown;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_window_attributes_reply_t *a =
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
        if (a && a->map_state == XCB_MAP_STATE_VIEWABLE)
            shown << children[i];
        free(a);
    }
    free(tree);
    return shown;
}

// The colour of the screen's pixels on one row, as 0xRRGGBB.
QList<quint32> screenRow(xcb_connection_t *x, xcb_window_t root, QPoint from, int width)
{
    QList<quint32> row;
    xcb_get_image_reply_t *image = xcb_get_image_reply(
        x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, root, qint16(from.x()), qint16(from.y()), quint16(width), 1, ~0u),
        nullptr);
    if (!image)
        return row;
    // 24-bit colour in 32-bit pixels, blue first.
    const uint8_t *data = xcb_get_image_data(image);
    if (xcb_get_image_data_length(image) >= width * 4)
        for (int i = 0; i < width; ++i)
            row << (quint32(data[4 * i + 2]) << 16 | quint32(data[4 * i + 1]) << 8 | data[4 * i]);
    free(image);
    return row;
}

} // namespace

class TstWindowOrder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void questionWindowStaysAbove();

private:
    // The probe's shown windows as the server stacks them, top first, by
    // name.
    QStringList shownTopFirst(solver::ProbeSession &probe);

    QProcess xvfb_;
    xcb_connection_t *x_ = nullptr;
    xcb_window_t root_ = 0;
    std::unique_ptr<ts::ProgramCopy> copy_;
};

void TstWindowOrder::initTestCase()
{
    // A display of its own: the server takes the first free number and
    // writes it on standard output. It ends with the test.
    xvfb_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    xvfb_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                          QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                          QStringLiteral("tcp")});
    QVERIFY2(xvfb_.waitForStarted(), "Xvfb did not start");
    QDeadlineTimer deadline(20000);
    while (!xvfb_.canReadLine() && !deadline.hasExpired() && xvfb_.state() == QProcess::Running)
        xvfb_.waitForReadyRead(200);
    const QByteArray number = xvfb_.readLine().trimmed();
    QVERIFY2(!number.isEmpty(), qPrintable(QStringLiteral("Xvfb gave no display: ") + xvfb_.readAllStandardError()));
    const QByteArray display = ':' + number;
    x_ = xcb_connect(display.constData(), nullptr);
    QVERIFY2(x_ && !xcb_connection_has_error(x_), "no connection to Xvfb");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(x_)).data->root;
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
}

void TstWindowOrder::cleanupTestCase()
{
    if (x_)
        xcb_disconnect(x_);
    xvfb_.terminate();
    xvfb_.waitForFinished(5000);
}

QStringList TstWindowOrder::shownTopFirst(solver::ProbeSession &probe)
{
    QHash<quint32, QString> names;
    for (const QJsonValue v : probe.send(QStringLiteral("windows"))["windows"].toArray())
        names.insert(quint32(v["id"].toInteger()), v["name"].toString());
    QStringList order;
    for (quint32 id : shownBottomToTop(x_, root_))
        if (names.contains(id))
            order.prepend(names.value(id));
    return order;
}

// Unit 1's question 3: a right click on the page, its pop-up item, typing,
// clicks; then its demonstration to its end.
void TstWindowOrder::questionWindowStaysAbove()
{
    solver::ProbeSession probe(ts::toolPath(QStringLiteral("examsim-probe")), copy_->path(), 0, 3);
    QVERIFY(probe.isRunning());
    const QStringList aboveMain{QStringLiteral("FrmTm"), QStringLiteral("FrmMain")};
    QTRY_COMPARE(shownTopFirst(probe), aboveMain);

    const QString answers = copy_->file(QStringLiteral("wydata/288890.mxy"));
    for (int step = 1;; ++step) {
        const QJsonObject scene = probe.send(QStringLiteral("scene"));
        QVERIFY2(!scene.contains(u"error"), qPrintable(scene["error"].toString()));
        if (scene["StepLine"].toString().mid(7, 4) == u"9999")
            break;
        QVERIFY2(step < 10, "no final scene");
        const solver::StepPlan plan = solver::planStep(scene, answers);
        QVERIFY2(plan.problem.isEmpty(), qPrintable(plan.problem));
        QStringList sent;
        const QString problem = solver::performPlan(probe, plan, &sent);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QTRY_COMPARE(shownTopFirst(probe), aboveMain);
    }

    // The demonstration covers both; its note, pale yellow, shows on the
    // screen over its scene.
    QCOMPARE(probe.send(QStringLiteral("demo pace 0.25"))["pace"].toDouble(), 0.25);
    QVERIFY(!probe.send(QStringLiteral("click FrmTm/CmdGN_7")).contains(u"error"));
    QTRY_COMPARE(shownTopFirst(probe), QStringList{QStringLiteral("FrmYanShi")});
    QRect demo, note;
    for (const QJsonValue v : probe.send(QStringLiteral("windows"))["windows"].toArray())
        if (v["name"].toString() == u"FrmYanShi")
            demo = QRect(v["x"].toInt(), v["y"].toInt(), v["w"].toInt(), v["h"].toInt());
    const QJsonObject logo = solver::findNamed(probe.send(QStringLiteral("widgets FrmYanShi"))["widgets"].toArray(),
                                               QStringLiteral("ImgLogo"));
    note = QRect(demo.x() + logo["x"].toInt(), demo.y() + logo["y"].toInt(), logo["w"].toInt(), logo["h"].toInt());
    QVERIFY2(note.width() > 100, "the note is laid out");
    // Its last pixel row holds no text; the pointer may pass over it.
    auto paleYellow = [&] {
        const QList<quint32> row = screenRow(x_, root_, note.bottomLeft(), note.width());
        return row.size() == note.width() && row.count(0xFFFFC0) >= note.width() * 9 / 10;
    };
    QTRY_VERIFY2(paleYellow(), "the note does not show");

    QVERIFY(probe.send(QStringLiteral("demo run 30000"))["ended"].toBool());
    QTRY_COMPARE(shownTopFirst(probe), aboveMain);
    const int ended = probe.finish();
    QVERIFY2(ended == 0, qPrintable(probe.errors()));
}

QTEST_MAIN(TstWindowOrder)
#include "tst_windoworder.moc"
