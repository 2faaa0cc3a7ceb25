#include "session.h"

#include "play.h"
#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMutex>
#include <QPointer>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QWaitCondition>
#include <cerrno>
#include <cstdio>
#include <unistd.h>
#include <deque>
#include <vector>

namespace play {

namespace {

struct Input
{
    QMutex mutex;
    QWaitCondition arrived;
    std::deque<QString> lines;
    bool ended = false;
};
Input &input()
{
    static Input in;
    return in;
}

void handleInput();

void poke() { QMetaObject::invokeMethod(qApp, &handleInput, Qt::QueuedConnection); }

// Reads standard input line by line and hands each line to the event loop.
class Reader : public QThread
{
protected:
    // The descriptor is read directly, never through stdio: the program's
    // end flushes every stdio stream, and a reader waiting inside stdin
    // would hold its lock and freeze that end.
    void run() override
    {
        QByteArray pending;
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(0, buf, sizeof buf);
            if (n < 0 && errno == EINTR)
                continue;
            if (n > 0)
                pending.append(buf, n);
            qsizetype nl;
            while ((nl = pending.indexOf('\n')) >= 0 || (n <= 0 && !pending.isEmpty())) {
                const QByteArray raw = nl >= 0 ? pending.left(nl) : pending;
                pending.remove(0, nl >= 0 ? nl + 1 : pending.size());
                {
                    QMutexLocker lock(&input().mutex);
                    input().lines.push_back(QString::fromUtf8(raw).trimmed());
                }
                input().arrived.wakeAll();
                poke();
            }
            if (n <= 0)
                break;
        }
        {
            QMutexLocker lock(&input().mutex);
            input().ended = true;
        }
        input().arrived.wakeAll();
        poke();
    }
};

// A command being run. Its answer is written when it returns, unless a modal
// line answered it meanwhile; a command that closed the modal window an outer
// command waits in hands its answer to that command (carried).
struct Frame
{
    QPointer<QWidget> modalAtStart;
    bool answered = false;
    std::optional<QJsonObject> carried;
};

struct Session
{
    std::vector<Frame *> frames;
    QList<QPointer<QWidget>> announced;
    bool serving = false;
    bool onlyInModal = false; // the start: only a box it opens is served
    bool quitting = false;
    bool anyModal = false;
    std::function<void()> atQuit;
};
Session &session()
{
    static Session s;
    return s;
}

bool isAnnounced(const QWidget *w)
{
    for (const QPointer<QWidget> &p : session().announced)
        if (p == w)
            return true;
    return false;
}

// Writes the modal line of the open modal window once: as the answer of the
// running command, or on its own between commands.
void announceModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || isAnnounced(modal))
        return;
    Session &s = session();
    s.announced.removeAll(nullptr);
    s.announced.append(modal);
    s.anyModal = true;
    if (!s.frames.empty()) {
        Frame *top = s.frames.back();
        top->answered = true;
        top->carried.reset(); // the new window is the answer
    }
    probe::outJson(modalLine(modal));
    poke(); // the commands for the window may be waiting
}

class ModalWatcher : public QObject
{
protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            const auto *w = static_cast<QWidget *>(o);
            if (w->isWindow() && w->isModal())
                QTimer::singleShot(0, qApp, &announceModal);
        }
        return false;
    }
};

void endOfInput()
{
    Session &s = session();
    if (s.quitting)
        return;
    s.quitting = true;
    if (!s.frames.empty() || QApplication::activeModalWidget()) {
        // A command still waits in a modal window: nothing can be unwound.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    if (s.atQuit)
        s.atQuit();
    QCoreApplication::exit(0);
}

void dispatch(const QString &line)
{
    if (line == u"quit") {
        endOfInput();
        return;
    }
    Session &s = session();
    Frame frame;
    frame.modalAtStart = QApplication::activeModalWidget();
    s.frames.push_back(&frame);
    // A line of nothing but quotes splits into no words at all.
    const QStringList words = QProcess::splitCommand(line);
    const QString name = words.value(0);
    const Commands::Command *command = Commands::find(name);
    const QJsonObject answer =
        command ? command->fn(words.mid(1)) : error(QStringLiteral("unsupported command: %1").arg(name));
    settle();
    announceModal();
    s.frames.pop_back();
    if (frame.answered) {
        if (frame.carried)
            probe::outJson(*frame.carried);
        return;
    }
    if (!s.frames.empty() && frame.modalAtStart && !frame.modalAtStart->isVisible()) {
        s.frames.back()->carried = answer;
        return;
    }
    probe::outJson(answer);
}

void handleInput()
{
    Session &s = session();
    if (!s.serving || s.quitting)
        return;
    announceModal();
    if (s.onlyInModal && !QApplication::activeModalWidget())
        return;
    // Only one command at a time, except inside a modal window the running
    // command opened.
    if (!s.frames.empty()) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == s.frames.back()->modalAtStart)
            return;
    }
    QString line;
    {
        QMutexLocker lock(&input().mutex);
        while (!input().lines.empty() && input().lines.front().isEmpty())
            input().lines.pop_front();
        if (input().lines.empty()) {
            if (!input().ended)
                return;
            lock.unlock();
            endOfInput();
            return;
        }
        line = input().lines.front();
        input().lines.pop_front();
    }
    dispatch(line);
    // Lines that came while the command ran were put off; serve them now.
    QMutexLocker lock(&input().mutex);
    if (!input().lines.empty() || input().ended)
        poke();
}

} // namespace

void beginSession()
{
    static ModalWatcher watcher;
    qApp->installEventFilter(&watcher);
    // The reader waits on standard input until the process ends; held here
    // so that it stays reachable (no leak reported at exit).
    static Reader *reader = new Reader;
    reader->start();
}

void startServing(bool onlyInModal)
{
    session().serving = true;
    session().onlyInModal = onlyInModal;
    poke();
}

int serve(const std::function<void()> &atQuit, bool *programEnded)
{
    Session &s = session();
    s.atQuit = atQuit;
    startServing(false);
    const int code = QCoreApplication::exec();
    s.serving = false;
    if (programEnded)
        *programEnded = !s.quitting;
    return code;
}

std::optional<QString> takeLine()
{
    QMutexLocker lock(&input().mutex);
    while (true) {
        while (!input().lines.empty() && input().lines.front().isEmpty())
            input().lines.pop_front();
        if (!input().lines.empty()) {
            QString line = input().lines.front();
            input().lines.pop_front();
            return line;
        }
        if (input().ended)
            return std::nullopt;
        input().arrived.wait(&input().mutex);
    }
}

void announce(const QJsonObject &line) { probe::outJson(line); }

bool modalAnnounced() { return session().anyModal; }

QJsonObject modalLine(const QWidget *window)
{
    QString title = window->windowTitle();
    if (const auto *l = window->findChild<QLabel *>(QStringLiteral("LblTitle")))
        title = l->text();
    QString prompt;
    if (const auto *box = qobject_cast<const QMessageBox *>(window))
        prompt = box->text();
    else if (const auto *l = window->findChild<QLabel *>(QStringLiteral("LblPrompt")))
        prompt = l->text();
    else if (const auto *l = window->findChild<QLabel *>(QStringLiteral("Label1")))
        prompt = l->text();
    return QJsonObject{{"modal", window->objectName()}, {"title", title}, {"prompt", prompt}};
}

} // namespace play
