#include "run/tmrecord.h"

#include "bank/bankfiles.h"
#include "run/runstate.h"

#include <algorithm>

namespace run {

TmDisplay tmDisplay(QStringView tmLine, bool keepBars)
{
    TmDisplay d;
    const QStringView text = tmLine.size() >= bank::Tm.pictureMark.first ? tmLine.mid(bank::Tm.pictureMark.first - 1)
                                                                         : QStringView();
    if (bank::chars(tmLine, bank::Tm.pictureMark) == u"picture") {
        d.isPicture = true;
        d.picture = bank::chars(tmLine, bank::Tm.pictureName).toString();
        const qsizetype from = bank::Tm.pictureName.last(); // the text proper starts after the name
        d.text = tmLine.size() > from ? tmLine.mid(from).toString() : QString();
        return d;
    }
    d.text.reserve(text.size());
    for (QChar c : text) {
        if (c == u'|' && !keepBars)
            d.text += QStringLiteral("\r\n");
        else
            d.text += c;
    }
    return d;
}

std::optional<QString> questionHeader(const QString &examTitle)
{
    if (TmSum <= 0)
        return std::nullopt;
    const int tm = std::clamp<int>(TmNo, 1, MaxQuestions);
    const QString t = examTitle.left(2);
    const QString d = (QStringLiteral("0000") + QString::number(TmId[tm] + 100)).right(4);
    const QString s = TmDone[tm] == u"F" ? QStringLiteral("(未完成)") : QStringLiteral("(已完成)");
    const QString no = QString::number(TmNo), sum = QString::number(TmSum);
    switch (PaperType) {
    case 0:
        return t + u' ' + QString::number(TaoNo + 1) + QStringLiteral("套第") + no + QStringLiteral("题(") + d + u')';
    case 2:
        return t + QStringLiteral(" 错") + QString::number(RecNo + 1) + u'-' + no + u'/' + sum + u'(' + d + u')' + s;
    case 5:
        return t + QStringLiteral(" 已") + no + u'/' + sum + u'(' + d + u')' + s;
    case 6:
        return t + QStringLiteral(" 未") + no + u'/' + sum + u'(' + d + u')' + s;
    case 8:
        return t + QStringLiteral(" 随") + QString::number(RecNo - 19) + u'-' + no + u'(' + d + u')';
    case 9:
    case 10:
    case 11:
        return t + QStringLiteral(" 藏") + no + u'/' + sum + u'(' + d + u')' + s;
    case 12:
    case 13:
    case 14:
        return t + QStringLiteral(" 复") + no + u'/' + sum + u'(' + d + u')' + s;
    case 20:
        return t + u' ' + QString::number(TaoNo + 1) + QStringLiteral("单元") + no + u'/' + sum + u'题' + s;
    default:
        return std::nullopt;
    }
}

} // namespace run
