#include "platform/ui/messagebox.h"

#include <QPushButton>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace plat {

int MsgBox(const QString &prompt, int flags, const QString &title)
{
    QMessageBox box;
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title);
    box.setText(prompt);
    switch (flags & 0x70) {
    case 16: box.setIcon(QMessageBox::Critical); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case 48: box.setIcon(QMessageBox::Warning); break;
    case 64: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (flags & 0x0F) {
    case 1:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(flags & 256 ? QMessageBox::Cancel : QMessageBox::Ok);
        break;
    case 4:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(flags & 256 ? QMessageBox::No : QMessageBox::Yes);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint);

    if (qEnvironmentVariableIsSet("EXAMSIM_AUTOANSWER")) {
        std::fprintf(stderr, "examsim message: %s: %s\n", qUtf8Printable(title), qUtf8Printable(prompt));
        std::fflush(stderr);
        QTimer::singleShot(0, &box, [&box] {
            if (QAbstractButton *b = box.defaultButton())
                b->click();
        });
    }

    switch (box.exec()) {
    case QMessageBox::Cancel: return 2;
    case QMessageBox::Yes: return 6;
    case QMessageBox::No: return 7;
    default: return 1;
    }
}

} // namespace plat
