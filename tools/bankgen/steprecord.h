#pragma once
// Builds one step record (212 characters) from named fields, so the sample
// questions are written as readable tables rather than fixed-position lines.
// Unset characters are "0", which every field reads as "absent", "none" or
// "keep". Two fields that claim the same character are an authoring mistake:
// the builder notes it and the generator fails.

#include "bank/bankfiles.h"

#include <QString>
#include <QStringList>
#include <array>

namespace bankgen {

// A rectangle in design twips (15 twips a pixel at scale 1).
struct Tw {
    int l = 0, t = 0, w = 0, h = 0;
    int r() const { return l + w; }
    int b() const { return t + h; }
    Tw moved(int dx, int dy) const { return {l + dx, t + dy, w, h}; }
    int cx() const { return l + w / 2; }
    int cy() const { return t + h / 2; }
};

class StepRecord
{
public:
    static constexpr int kLength = bank::StepRecordLength;

    // code: the operation code, four characters ("9001", "0022", "L012", "9999").
    explicit StepRecord(const QString &code);

    StepRecord &pane(const QString &two);             // 4-5: "X" + digit, or "EE"
    StepRecord &bars(const QString &two);             // 6-7: "A3", "B1", "EE" ...
    StepRecord &background(const QString &name);      // 12-17
    // Picture area k (1..6) at window twips (left, top); jump = JumpDigit of a click on it.
    StepRecord &area(int k, int left, int top, const QString &name, QChar jump = u'0');
    StepRecord &label1(const Tw &r, QChar jump = u'0');   // 66-85
    StepRecord &text1(const Tw &r);                       // 86-105
    // Menu or toolbar target n (1 at 125, 2 at 86, 3 at 96); field up to ten
    // characters, padded with "0".
    StepRecord &target(int n, const QString &field);
    StepRecord &keyAlt(int n, int keyCode);               // n 1..3 at 86, 91, 96: "P" + code
    StepRecord &menuOverride(const QString &five);        // 86-90, "R" + four characters
    // The extra panel nn (32..40) as target 2 ("H" nn item sub "00" jump) with
    // its left and top (96-100, 102-105).
    StepRecord &panel(int nn, int left, int top, int item = 0, QChar jump = u'0');
    StepRecord &cursor(const QString &five);              // 101-105 ("S0015", "M0007", "S4012")
    StepRecord &initialText(int line);                    // 106-108 (list steps: start index)
    StepRecord &answer(int line);                         // 109-111 (list steps: expected index)
    StepRecord &hint(int left, int top, int line);        // 112-124
    StepRecord &font(const QString &ten);                 // 125-134
    StepRecord &backSpec(int stepsBack, int cancelLeft, int cancelTop); // 125-129 "Q000n", 167-176
    // Dialog tab strip: layout letter, shown tab, tab to click, picture area.
    StepRecord &tabs(QChar layout, int shown, int target, int area);
    StepRecord &dragLimit(int x, int y);                  // 167-176
    StepRecord &label4(const Tw &r, QChar jump = u'0');   // 177-196

    QString code() const { return s_.mid(7, 4); }
    QString text() const { return s_; }
    // Authoring mistakes found while building (overlapping fields, bad values).
    const QStringList &problems() const { return problems_; }

    // A four-character operation code of a key press: Shift state and key code.
    static QString keyCode(int shift, int key);
    // The one-character tab number: 1..9, A..D for 10..13.
    static QChar tabChar(int n);

private:
    void put(int pos, const QString &text, const char *owner);
    QString s_;
    std::array<const char *, kLength + 1> owner_{};
    QStringList problems_;
};

// Zero-padded number of the given width.
QString digits(int value, int width);

} // namespace bankgen
