#include "examflow/questionwindow.h"

#include <QApplication>
#include <QWidget>

namespace exam {

QWidget *questionWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FrmTm"))
            return w;
    return nullptr;
}

} // namespace exam
