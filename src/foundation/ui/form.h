#pragma once
// src/foundation/ui/ (layer 1, UI library, namespace fnd): the
// foundation's windows and widgets: the window pattern (this header), the
// start-up window, the message box, the picture button, screen facts,
// window dragging and the HTTP text request.
//
// Every window exists once: a program-wide instance created and loaded on its
// first use, and unloaded by deleting it, so the next use loads it anew.
//
//   class FrmMain : public QWidget, public Form<FrmMain> {
//       friend class Form<FrmMain>;
//       FrmMain();          // builds the controls, names them
//       void formLoad();    // the window's load handler
//       bool queryUnload(); // optional: false refuses the unload
//       void formUnload();  // optional: last act before deletion
//   };
//   FrmMain::get().show();  // loads on first use
//   FrmMain::unload();

#include <QPointer>
#include <QTimer>
#include <QWidget>

template <class T>
class Form
{
public:
    // The instance, created and loaded when missing.
    static T &get()
    {
        if (!slot()) {
            T *w = built().data() ? built().data() : new T();
            built() = nullptr;
            slot() = w;
            w->formLoad();
        }
        return *slot();
    }

    // Builds the controls of the next instance now, while the program waits
    // anyway; its load still runs at its first use.
    static void build()
    {
        if (!slot() && !built())
            built() = new T();
    }

    // The instance when it is loaded, else nullptr; never loads.
    static T *loaded() { return slot().data(); }

    // Deletes the instance. The window may be inside one of its own handlers,
    // so it is hidden, its timers stopped and it is deleted from the event
    // loop; the next get() makes a fresh one at once. A window whose
    // queryUnload() says no stays loaded as it was.
    static void unload()
    {
        T *w = slot().data();
        if (!w)
            return;
        if constexpr (requires { w->queryUnload(); })
            if (!w->queryUnload())
                return;
        slot() = nullptr;
        if constexpr (requires { w->formUnload(); })
            w->formUnload();
        for (QTimer *t : w->template findChildren<QTimer *>())
            t->stop();
        w->hide();
        w->deleteLater();
    }

protected:
    void formLoad() {}

private:
    static QPointer<T> &slot()
    {
        static QPointer<T> p;
        return p;
    }
    static QPointer<T> &built()
    {
        static QPointer<T> p;
        return p;
    }
};
