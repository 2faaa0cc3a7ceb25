#include "foundation/answertext.h"

#include "foundation/blanks.h"
#include "foundation/gbkfile.h"

namespace fnd {

QString answerText(QByteArrayView body) { return trimBlanks(decodeGbk(body)); }

} // namespace fnd
