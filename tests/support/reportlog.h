#pragma once
// Reading back what the program wrote: raw file bytes and the reports of an
// error log.

#include <QByteArray>
#include <QStringList>

namespace ts {

// The file's bytes; empty when it cannot be read.
QByteArray fileBytes(const QString &path);

// The tag and description of every entry of an error log (the text after
// "软件运行提示:"), in file order.
QStringList loggedReports(const QString &logPath);

} // namespace ts
