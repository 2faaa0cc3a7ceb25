#pragma once
// The demonstration's note: the question's text, wrapped, on lines a fixed
// distance apart. The window gives the note one 180-twip line per 14
// characters, the height of a 9-point line of 宋体; the font that stands in
// for 宋体 on this desktop may have taller lines, and a label laying its
// text out with them would cut the last line off. So the note sets its own
// lines, each as high as the design's.

#include <QLabel>

namespace demo {

class NoteLabel : public QLabel
{
public:
    explicit NoteLabel(QWidget *parent);
    // The distance from one line's top to the next, in pixels.
    void setLineHeight(double px);
    double lineHeight() const { return lineHeight_; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    double lineHeight_ = 12;
};

} // namespace demo
