#pragma once
// Drawing of the sample bank's pictures: an editor window of our own plain
// look, its dialogs and controls. Every place is given in design twips, the
// unit of the step records, and converted here (15 twips a pixel), so a
// picture and the record that names its places agree by construction.

#include "steprecord.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

namespace bankgen {

struct Context;

namespace draw {

QRect px(const Tw &r);
inline int px(int twips) { return (twips + 7) / 15; }

// The CJK font at a point size (96 dpi: 1 pt = 4/3 px).
QFont font(double points, bool bold = false);

void text(QPainter &p, const Tw &r, const QString &s, double points = 9, const QColor &c = Qt::black,
          int align = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false, bool underline = false);
void raised(QPainter &p, const Tw &r, const QColor &face);
void sunken(QPainter &p, const Tw &r, const QColor &fill = Qt::white);
void button(QPainter &p, const Tw &r, const QString &caption, bool isDefault = false);
void edit(QPainter &p, const Tw &r, const QString &s);
// A dialog's default button (OK unless named) and its Cancel button.
void okCancel(QPainter &p, const Tw &ok, const Tw &cancel, const QString &okText = QStringLiteral("确定"));
void check(QPainter &p, const Tw &r, const QString &caption, bool on);
void radio(QPainter &p, const Tw &r, const QString &caption, bool on);
void combo(QPainter &p, const Tw &r, const QString &s);
void list(QPainter &p, const Tw &r, const QStringList &items, int selected);
void group(QPainter &p, const Tw &r, const QString &caption);
// A dashed frame that shows where something is to be dragged.
void dashed(QPainter &p, const Tw &r, const QColor &c = QColor(220, 0, 0));
void selection(QPainter &p, const Tw &r);
// A dialog's frame, title bar and face, the dialog filling its whole picture.
void dialog(QPainter &p, const Tw &size, const QString &title);
// Picture placeholder (an illustration inside a page).
void photo(QPainter &p, const Tw &r, const QString &caption, const QColor &tone);

// The editor window: title (naming fileName; no document when it is
// empty), menu bar, toolbars, folder pane, page, the drawing toolbar's empty
// dock and status line; the page's content is drawn by the caller.
void editorWindow(QPainter &p, const QString &fileName, const QString &status);

extern const QColor kFace;

} // namespace draw

// The pictures of the bank: each is registered with its size and painter,
// named on registration, and drawn and saved as PNG once at the end.
class PictureSet
{
public:
    using Painter = std::function<void(QPainter &)>;

    // A picture named by the set: prefix letter or digit + five digits. The
    // same key gives the same picture.
    QString add(const QString &key, QChar prefix, const Tw &size, Painter fn);
    // A picture with a fixed name (tab pages).
    QString addNamed(const QString &name, const Tw &size, Painter fn);
    bool contains(const QString &name) const { return pics_.count(name) != 0; }
    // Draws every picture and writes it into the data folder.
    void writeAll(Context &ctx) const;
    int size() const { return int(pics_.size()); }

private:
    struct Pic {
        Tw size;
        Painter fn;
    };
    std::map<QString, Pic> pics_;
    std::map<QString, QString> byKey_;
    std::map<QChar, int> counters_;
};

} // namespace bankgen
