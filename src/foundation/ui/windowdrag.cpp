#include "foundation/ui/windowdrag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace fnd {

namespace {

// Follows the pointer for one drag when the window system cannot move the
// window itself. The handle holds the implicit mouse grab from its press, so
// every move and the release come here wherever the pointer goes.
class ManualMove : public QObject
{
public:
    ManualMove(QWidget *handle, QPoint pressGlobal)
        : QObject(handle), handle_(handle), window_(handle->window()), pressGlobal_(pressGlobal),
          startPos_(handle->window()->pos())
    {
        handle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (obj != handle_)
            return false;
        switch (ev->type()) {
        case QEvent::MouseMove: {
            auto *me = static_cast<QMouseEvent *>(ev);
            if (window_)
                window_->move(startPos_ + (me->globalPosition().toPoint() - pressGlobal_));
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(ev)->button() == Qt::LeftButton) {
                deleteLater();
                handle_->removeEventFilter(this);
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    QWidget *handle_;
    QPointer<QWidget> window_;
    QPoint pressGlobal_;
    QPoint startPos_;
};

class DragHandle : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() != QEvent::MouseButtonPress)
            return false;
        auto *me = static_cast<QMouseEvent *>(ev);
        if (me->button() != Qt::LeftButton)
            return false;
        beginWindowMove(static_cast<QWidget *>(obj), me->globalPosition().toPoint());
        return true;
    }
};

} // namespace

void makeDragHandle(QWidget *handle)
{
    handle->installEventFilter(new DragHandle(handle));
}

void beginWindowMove(QWidget *handle, const QPoint &pressGlobal)
{
    QWidget *top = handle->window();
    if (QWindow *win = top->windowHandle()) {
        if (win->startSystemMove())
            return;
    }
    new ManualMove(handle, pressGlobal);
}

} // namespace fnd
