#pragma once
// The two captions of the question window that the scene builder writes at a
// question's final scene: LblUnit (the unfinished questions) and LblBiao (the
// question's header with "(未完成)" or "(已完成)").
//
// Until the question window exists these are the only way to its labels: when
// a top-level window named "FrmTm" is loaded and has labels of those names,
// they are read and written there; otherwise the captions are kept here, so
// the question loader (and tests) can set the header and read both back.
// Looking never loads the question window.

#include <QString>

namespace exam {

QString lblUnitCaption();
void setLblUnitCaption(const QString &caption);
QString lblBiaoCaption();
void setLblBiaoCaption(const QString &caption);

// Both kept captions empty (the loaded window's labels are left alone).
void resetCaptions();

} // namespace exam
