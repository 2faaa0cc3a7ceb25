#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    app::prepareProcess();
    QApplication application(argc, argv);
    return app::run(application);
}
