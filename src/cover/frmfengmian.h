#pragma once
// src/cover/ (layer 5, UI library, namespace cover): the cover window (this
// header) and the start of a practice or exam run.
//
// The cover, the program's main window between runs. Its initialisation
// (FengMainCsh) reads the data folder and the learner records at every load:
// the bank version, the module check (a data folder of another module ends
// the program at once, silently), the input-method option, the paper and
// unit counts, the random papers, the unit progress (repaired to each unit's
// question count) and the exam history; the pages are built from them.

#include "foundation/ui/form.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class QLabel;
class QTimer;
class kvelButton;

class FrmFengmian : public QWidget, public Form<FrmFengmian>
{
    Q_OBJECT
    friend class Form<FrmFengmian>;

public:
    // Reads the data folder's version and module number (and ends the program
    // when the module number is not ours).
    void FengMainCsh();

    // The frame: home-page picture, top strip with its title, drag strip,
    // the five page frames (units, papers, marked, wrong, help) in one
    // rectangle, the advert panel.
    QLabel *picShouYe = nullptr;
    QLabel *PicTop = nullptr;
    QLabel *LblCaption = nullptr;
    QLabel *lblMove = nullptr;
    QLabel *PicTiKu = nullptr, *PicKaCH = nullptr, *PicBiaoZhi = nullptr, *PicCuoTi = nullptr, *PicHelp = nullptr;
    QLabel *PicAd = nullptr;
    // Info labels: 0 the bank version, 1 web address, 2 telephone, 3 chat;
    // 17 to 21 the link areas of the home page's second layout.
    std::array<QLabel *, 22> LblInfo{};
    QLabel *LblInfo_0 = nullptr; // LblInfo[0]
    // A left click on an info label: 0 and 21 show the about window and
    // return once it has closed.
    void LblInfo_Click(int index);

    // Every clickable element: ClickBotn_0 to _99 on the window and the
    // page frames (see the index map in layoutButtons).
    std::array<kvelButton *, 100> ClickBotn{};
    // A button's action, by index (pages, runs, filters).
    void ClickBotn_Click(int index);

    // One shot, 100 ms, off at design: its tick presses button FhPage, the
    // page a run asked to come back to. OpenedPage records the page the
    // cover opened with (0 home, also without an armed TimFH).
    QTimer *TimFH = nullptr;
    qint16 OpenedPage = 0;

    // Set at every initialisation.
    qint16 SuiJiCount = 0;              // random papers stored
    std::array<QString, 101> ShiJuanHis; // exam history lines 1 to 100

protected:
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmFengmian();
    void formLoad();
    // The buttons' pointer and visibility (initialisation step 7), their
    // pictures and the layout of every page's buttons (step 11), the
    // paper-list tabs (step 17).
    void buttonsPartOne();
    void buttonsPartTwo();
    void paperListTabs();
    QPixmap background_;
};
