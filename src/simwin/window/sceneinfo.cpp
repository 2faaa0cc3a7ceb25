#include "simwin/window/sceneinfo.h"

#include "examflow/frmtm.h"
#include "run/runstate.h"
#include "simwin/checks/keyaccept.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

namespace simwin {

namespace {
QJsonObject controlJson(const QWidget *c, const QWidget &w)
{
    const QPoint at = c->isWindow() ? c->pos() - w.pos() : c->mapTo(&w, QPoint(0, 0));
    QJsonObject o{{"name", c->objectName()}, {"x", at.x()}, {"y", at.y()}, {"w", c->width()}, {"h", c->height()}};
    if (auto *p = qobject_cast<const simwin::PictureBox *>(c)) {
        if (!p->pictureName().isEmpty())
            o["picture"] = p->pictureName();
    } else if (auto *l = qobject_cast<const QLabel *>(c)) {
        if (!l->text().isEmpty())
            o["text"] = l->text();
    } else if (auto *t = qobject_cast<const QLineEdit *>(c)) {
        o["text"] = t->text();
        o["selectionStart"] = t->selectionStart();
        o["selectionLength"] = int(t->selectedText().size());
    } else if (auto *lst = qobject_cast<const QListWidget *>(c)) {
        QJsonArray items;
        for (int i = 0; i < lst->count(); ++i)
            items.append(lst->item(i)->text());
        o["items"] = items;
        o["index"] = lst->currentRow();
    } else if (auto *m = qobject_cast<const QMenu *>(c)) {
        QJsonArray items;
        for (const QAction *a : m->actions())
            if (a->isVisible())
                items.append(QJsonObject{{"name", a->objectName()}, {"text", a->text()}});
        o["items"] = items;
    }
    return o;
}
} // namespace

QJsonObject describe(const SceneWindow &w)
{
    QJsonObject o;
    o["StepNo"] = scene::StepNo;
    const int tm = std::clamp<int>(run::TmNo, 0, run::MaxQuestions);
    o["TmNo"] = run::TmNo;
    o["TmState"] = run::TmState[tm];
    o["StepLine"] = scene::StepLine;
    o["StepType"] = w.StepType;
    // The key presses that perform the step, the auto-advance, the dialog's
    // tab strip and the question window's captions.
    QJsonArray keyNames;
    for (const scene::KeyPress &k : chk::acceptedKeys(scene::StepLine))
        keyNames.append(scene::keyName(k));
    o["acceptedKeys"] = keyNames;
    o["tabs"] = QJsonObject{{"TabLayout", w.TabLayout.left(1)}, {"TabTarget", w.TabTarget},
                            {"TabRow", w.TabRow}, {"BackSpec", w.BackSpec}};
    if (const FrmTm *tm = FrmTm::loaded()) {
        o["LblUnit"] = tm->LblUnit->text();
        o["LblBiao"] = tm->LblBiao->text();
    }
    QJsonArray controls;
    QJsonObject self{{"name", w.objectName()}, {"x", 0}, {"y", 0}, {"w", w.width()}, {"h", w.height()}};
    if (!w.pictureName().isEmpty())
        self["picture"] = w.pictureName();
    controls.append(self);
    for (const QWidget *c : w.findChildren<QWidget *>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(u"qt_"))
            continue;
        if (!c->isVisibleTo(&w) || (c->isWindow() && !c->isVisible()))
            continue;
        // Parts of composite controls (list viewport, scroll bars) are not
        // controls of the window.
        if (qobject_cast<const QAbstractButton *>(c))
            continue;
        // Drop-down items the open layout does not use have no area.
        if ((c->objectName().startsWith(u"Lbl1J_") || c->objectName().startsWith(u"Lbl2J_")) && c->size().isEmpty())
            continue;
        controls.append(controlJson(c, w));
    }
    o["controls"] = controls;
    const auto *main = qobject_cast<const FrmMain *>(&w);
    if (!main)
        return o;
    // The bars' open-popup state, the auto-advance.
    o["CurZHU"] = main->CurZHU;
    o["Cur1J"] = main->Cur1J;
    o["Timer3"] = main->Timer3->isActive();
    // The four hint frames, seen or not (a frame is seen only while its bar
    // is shown and the hint is on).
    QJsonArray frames;
    for (const QWidget *f : {static_cast<const QWidget *>(main->ShapeMenu), static_cast<const QWidget *>(main->ShapeTool),
                             static_cast<const QWidget *>(main->ShapeHui), static_cast<const QWidget *>(main->ShapeElse)}) {
        QJsonObject frame = controlJson(f, w);
        frame["bar"] = f->parentWidget()->objectName();
        frame["visible"] = f->isVisibleTo(&w);
        frames.append(frame);
    }
    o["hintFrames"] = frames;
    return o;
}

} // namespace simwin
