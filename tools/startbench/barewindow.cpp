// examsim-barewindow: what the program's start is measured against, a bare
// Qt program that shows one frameless window of the start-up window's size
// (400 x 200), centred, filled with one colour, and reports its first paint
// as the program does (EXAMSIM_PAINT_LOG). It runs until it is ended.
#include "foundation/ui/paintlog.h"
#include "toolargs.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {
class BareWindow : public QWidget
{
public:
    BareWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) { setFixedSize(400, 200); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), QColor(0x20, 0x60, 0xa0));
        fnd::notePaint("BareWindow");
    }
};
} // namespace

int main(int argc, char *argv[])
{
    static const QString usage = QStringLiteral(
        "usage: examsim-barewindow\n"
        "Shows a bare 400 x 200 window until it is ended; its first paint goes to the file named by\n"
        "EXAMSIM_PAINT_LOG. examsim-startbench measures the program's start against it.\n");
    if (const auto end = toolargs::screen(argc, argv, usage))
        return *end;
    if (argc > 1) {
        std::fputs(usage.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    BareWindow w;
    w.move(w.screen()->availableGeometry().center() - w.rect().center());
    w.show();
    return app.exec();
}
