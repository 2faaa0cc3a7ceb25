#pragma once
// The program's one way of asking a web server for text.

#include <QString>

namespace fnd {

// What getHtmlStr returns when no complete answer came in time.
inline const QString TimeoutText = QStringLiteral("error-timeout，网络状况不好，请重试！");

// GET the address and return the response body (any status) decoded from
// GBK, without leading and trailing blanks. TimeoutText when the answer has
// not come once more than `seconds` whole-second boundaries of the clock have
// passed (so 1 gives up between 1 and 2 seconds), whatever keeps arriving;
// when the answer is larger than 1 MiB; and at once when no server answers
// (refused connection, bad address: that failure is reported). The wait runs
// the event loop: timers and input keep being handled, nothing spins. Nothing
// of the request goes on after the return.
QString getHtmlStr(const QString &address, qint16 seconds);

} // namespace fnd
