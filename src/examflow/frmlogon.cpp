#include "examflow/frmlogon.h"

#include "bank/bankfiles.h"
#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "run/compose.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"

#include <QPushButton>

FrmLogon::FrmLogon() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("FrmLogon"));
    setWindowTitle(QStringLiteral("考生登录"));
    CmdLogon = new QPushButton(QStringLiteral("登录"), this);
    CmdLogon->setObjectName(QStringLiteral("CmdLogon"));
    connect(CmdLogon, &QPushButton::clicked, this, &FrmLogon::logOn);
}

void FrmLogon::formLoad()
{
    resize(320, 160);
    CmdLogon->setGeometry(120, 100, 80, 28);
    run::nameRunFiles();
}

void FrmLogon::logOn()
{
    run::TmNo = 1;
    FrmTm::get().TimerREDO->start();
    FrmMain::get().show();
    FrmTm::get().show();
    FrmLogon::unload();
}
