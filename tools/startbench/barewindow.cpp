// examsim-barewindow [--text]: what the program's start is measured against,
// a bare Qt program that shows one frameless window of the start-up window's
// size (400 x 200), centred, filled with one colour, and reports its first
// paint as the program does (EXAMSIM_PAINT_LOG). With --text it also writes
// one line of Chinese text, as the start-up window does: the share of the
// start that the system's fonts take. It runs until it is ended.
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
    explicit BareWindow(bool text) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), text_(text)
    {
        setFixedSize(400, 200);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x20, 0x60, 0xa0));
        if (text_) {
            p.setPen(Qt::white);
            p.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 11));
            p.drawText(rect(), Qt::AlignCenter, QStringLiteral("正在启动，请稍候..."));
        }
        fnd::notePaint(text_ ? "BareText" : "BareWindow");
    }

private:
    bool text_;
};
} // namespace

int main(int argc, char *argv[])
{
    static const QString usage = QStringLiteral(
        "usage: examsim-barewindow [--text]\n"
        "Shows a bare 400 x 200 window until it is ended (with --text, one line of Chinese text on it);\n"
        "its first paint goes to the file named by EXAMSIM_PAINT_LOG. examsim-startbench measures the\n"
        "program's start against it.\n");
    if (const auto end = toolargs::screen(argc, argv, usage, {"--text"}))
        return *end;
    const bool text = argc == 2 && QByteArray(argv[1]) == "--text";
    if (argc > 2 || (argc == 2 && !text)) {
        std::fputs(usage.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    BareWindow w(text);
    w.move(w.screen()->availableGeometry().center() - w.rect().center());
    w.show();
    return app.exec();
}
