#pragma once
// Mouse pointers of the target labels: the step record's pointer field, the
// standard pointer numbers of the bank data and custom pointers from the
// program folder's cursor files.

#include <QByteArray>
#include <QCursor>
#include <QPoint>
#include <QString>
#include <QStringView>
#include <optional>

namespace scene {

// What a label's MousePointer becomes: 0 default, a standard number, or 99
// with a cursor file.
struct PointerChoice
{
    int mousePointer = 0;
    QString cursorFile; // set only for 99

    bool operator==(const PointerChoice &) const = default;
};

// The record's pointer field (101-105): "S" the standard pointer numbered by
// its last two characters, "M" the custom pointer of the cursor file named by
// them, anything else the default pointer. The scene builder gives it to the
// main target.
PointerChoice recordPointer(QStringView stepLine);

// The main target's pointer while the pointer moves over it: recordPointer,
// except that drag-and-drop steps ("004", "005") show the default pointer.
PointerChoice targetPointer(QStringView stepLine);
// The same after a move that may have advanced: the drag test is of the
// record the move was judged on, the pointer field of the record now current.
PointerChoice targetPointer(QStringView judgedLine, QStringView currentLine);

// The drag pointer of a drag-and-drop source: "S" the standard pointer, any
// other first character the cursor file.
PointerChoice dragPointer(QStringView stepLine);

// Program folder + "/ico" + the two characters + ".CUR".
QString cursorFilePath(QStringView twoChars);

// The hot spot stored in a cursor file's header: little-endian words at byte
// offsets 10 and 12 of a header with reserved word 0 and type 2.
std::optional<QPoint> cursorHotSpot(const QByteArray &header);

// A custom pointer from a cursor file, nullopt when it cannot be read (the
// label then keeps the icon it had).
std::optional<QCursor> loadCursorFile(const QString &path);

// The cursor to set for a choice; nullopt for a cursor file that cannot be
// read (leave the current cursor).
std::optional<QCursor> cursorFor(const PointerChoice &choice);

} // namespace scene
