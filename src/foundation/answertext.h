#pragma once
// A web server's answer as the program reads it, apart from the request:
// the body's bytes decoded from GBK, without leading and trailing blanks.
// The request (foundation/ui/httptext.h) hands every body it takes in here.

#include <QByteArrayView>
#include <QString>

namespace fnd {

QString answerText(QByteArrayView body);

} // namespace fnd
