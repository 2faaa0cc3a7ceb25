#pragma once
// src/foundation/ (layer 1, core library, namespace fnd): the application
// foundation: its program-wide values (this header), GBK text files, number
// reading, pictures, product information, the error report, the program
// folder, the single instance and the program's end. Its windows and
// widgets are in foundation/ui/.
//
// Program-wide values owned by the application foundation: the layout scale,
// the product information and what is derived from it, the error-report
// fields and the message box's answer. One home; tests reset it.

#include <QString>
#include <array>

namespace fnd {

// Screen twips per pixel / 15. A design value in twips becomes a run-time
// value by x/width/font-size * XBiLi and y/height * YBiLi.
inline double XBiLi = 1.0;
inline double YBiLi = 1.0;

// Product information, entries 0 to 40.
inline std::array<QString, 41> InfoTable;

inline QString ExamTitle;
inline QString ModuleName;
// The data folder: program folder + "/" + folder name + "/"; always ends in "/".
inline QString DataPath;
inline qint16 ModuleNo = 0;

// Unit table: 41 rows (units 0 to 40) by 4 columns (1 name, 2 questions,
// 3 not yet done, 4 progress string). Column index 0 is unused.
inline std::array<std::array<QString, 5>, 41> UnitTable;

inline QString AppTitle;   // the application title (default message-box title)
inline QString CandName;   // the mock exam's candidate name
inline QString OsVer;      // "major.minor" or "Unknown"
inline QString ErrLogFile; // this run's error log; empty until the cover opened

// The last trapped run-time error.
inline QString ErrSub;
inline long ErrNo = 0;
inline QString ErrDescript;

// The message box's answer: 1 confirmed, 0 otherwise.
inline qint16 MsgResult = 0;

// A data-folder file: DataPath + name + ".mxy".
inline QString dataFile(const QString &name) { return DataPath + name + QStringLiteral(".mxy"); }

// Design twips to run-time twips to pixels (15 twips a pixel at scale 1).
inline double xTw(double designTwips) { return designTwips * XBiLi; }
inline double yTw(double designTwips) { return designTwips * YBiLi; }
inline int twipsToPx(double twips) { return int(twips >= 0 ? twips / 15.0 + 0.5 : twips / 15.0 - 0.5); }
// Run-time twips to pixels: the screen has 15 x XBiLi twips a pixel across
// and 15 x YBiLi down, so a design value keeps its size in pixels at any scale
// (6000 design twips are 400 pixels at 15 and at 12 twips a pixel alike).
inline int xTwipsToPx(double twips) { return twipsToPx(XBiLi > 0 ? twips / XBiLi : twips); }
inline int yTwipsToPx(double twips) { return twipsToPx(YBiLi > 0 ? twips / YBiLi : twips); }
inline int xPx(double designTwips) { return xTwipsToPx(xTw(designTwips)); }
// Pixels to run-time twips (mouse positions and sizes read off a widget).
inline double xPxToTwips(double px) { return px * 15.0 * XBiLi; }
inline double yPxToTwips(double px) { return px * 15.0 * YBiLi; }
inline int yPx(double designTwips) { return yTwipsToPx(yTw(designTwips)); }

// Back to the values a fresh run starts with.
void resetGlobals();

} // namespace fnd
