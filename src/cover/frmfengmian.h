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
namespace plat {
class HelpView;
}

class FrmFengmian : public QWidget, public Form<FrmFengmian>
{
    Q_OBJECT
    friend class Form<FrmFengmian>;

public:
    // Reads the data folder's version and module number (and ends the program
    // when the module number is not ours), the records, and builds the pages.
    void FengMainCsh();

    // The picture files the load shows, in the order it first loads them.
    static QStringList pictureFiles();
    // The same from the last one: the order in which a worker thread
    // decodes them ahead, with the whole picture budget. The start-up has
    // them decoded while its splash waits, and the load asks again as it
    // begins: it takes them from the first while the worker decodes from the
    // last.
    static QStringList picturesAhead();

    // The frame: home-page picture, top strip with its title, drag strip,
    // the five page frames (units, papers, marked, wrong, help) in one
    // rectangle, the advert panel.
    QLabel *picShouYe = nullptr;
    QLabel *PicTop = nullptr;
    QLabel *LblCaption = nullptr;
    QLabel *lblMove = nullptr;
    QLabel *PicTiKu = nullptr, *PicKaCH = nullptr, *PicBiaoZhi = nullptr, *PicCuoTi = nullptr, *PicHelp = nullptr;
    // The advert: its text sized to its caption, the panel sized to the text,
    // shown on every page but home. A click opens AdUrl (web links only).
    QLabel *PicAd = nullptr;
    QLabel *LblAD = nullptr;
    QString AdUrl;
    void LblAD_Click();
    // Info labels: 0 the bank version, 1 web address, 2 telephone, 3 chat;
    // 17 to 21 the link areas of the home page's second layout.
    std::array<QLabel *, 22> LblInfo{};
    QLabel *LblInfo_0 = nullptr; // LblInfo[0]
    // A left click on an info label: 0 and 21 show the about window and
    // return once it has closed; 2 does nothing; the others open their link.
    void LblInfo_Click(int index);

    // Every clickable element: ClickBotn_0 to _99 on the window and the
    // page frames (see the index map in the constructor).
    std::array<kvelButton *, 100> ClickBotn{};
    // A button's action, by index (window buttons, pages, tabs, filters,
    // unit selection, runs). The cover calls it itself too.
    void ClickBotn_Click(int index);

    // The units page: the strip behind the unit buttons, the grid behind the
    // two bars (done, not done), a decoration, and five labels (0 heading,
    // 1 the selection, 2 its questions, 3 done, 4 not done).
    QLabel *PicUnitLeft = nullptr, *ImgUnitGezi = nullptr, *ImgUnitD = nullptr, *ImgUnitC = nullptr,
           *imgPicIII = nullptr;
    std::array<QLabel *, 5> LblUnitDQCAP{};
    // The marked page and the wrong-question page: each one's background and
    // its counts of the questions not reviewed yet and of the reviewed ones.
    QLabel *ImgBiaoZhiBack = nullptr, *ImgCuoTiBack = nullptr;
    QLabel *LblBiaoZhiWei = nullptr, *LblBiaoZhiYI = nullptr;
    QLabel *LblCuoTiWei = nullptr, *LblCuoTiYI = nullptr;
    // The papers page's strip behind its tabs, and its empty-list message.
    QLabel *PicKaCHLeft = nullptr;
    QLabel *LblNoHis = nullptr;
    // The papers page's 30 rows, one per paper slot (0 to 19 the fixed
    // papers, 20 to 29 the random ones, newest first): the card, whose
    // visibility is the row's, its title, last exam time, best-score caption
    // and score, the review link of the unfinished questions with their
    // count, and the delete link of a random paper; ClickBotn_70 + i starts
    // the paper. ImgSuiJi is the random-paper generator's panel.
    std::array<QLabel *, 30> ImgShiJuan{}, LblShiJuanBiao{}, LblShiJuanTime{}, LblShiJuanSSSS{}, LblShiJuanScore{},
        LblShiJuanCCC{}, LblShiJuanCuoTi{}, LblShiJuanDel{};
    QLabel *ImgSuiJi = nullptr;
    // A left click on row i's review link: the practice of the questions
    // that paper's last exam left unfinished (a box when there are none).
    void LblShiJuanCCC_Click(int index);
    // A left click on row i's delete link (random rows only): asks, then
    // deletes the paper with its history and list, and builds the pages anew.
    void LblShiJuanDel_Click(int index);
    // The help page: the strip behind the topic buttons, the topic's title
    // and the view of its page.
    QLabel *PicHelpLeft = nullptr;
    QLabel *LlbHelpCAP = nullptr;
    plat::HelpView *WebHelpCON = nullptr;

    // One shot, 100 ms, off at design: its tick presses button FhPage, the
    // page a run asked to come back to. OpenedPage records the page the
    // cover opened with (0 home, also without an armed TimFH).
    QTimer *TimFH = nullptr;
    qint16 OpenedPage = 0;

    // Set at every initialisation.
    qint16 SuiJiCount = 0;              // random papers stored
    std::array<QString, 101> ShiJuanHis; // exam history lines 1 to 100
    qint16 SelUnit = -1;                 // the selected unit; -1 all units
    qint16 UnitFilter = 0;               // the unit practice takes 0 all, 1 done, 2 not done
    qint16 BiaoZhiFilter = 1;            // marked page: bit 1 not reviewed, bit 2 reviewed
    qint16 CuoTiFilter = 1;              // wrong-question page, the same bits
    qint16 ChongCiLast = 7;              // the last sprint-paper slot

protected:
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmFengmian();
    void formLoad();
    void formUnload();
    // The controls of each page (constructor) and their set-up.
    void makeUnitsPage();
    void makeHelpPage();
    void makeReviewPages();
    void loadAdvert();
    void unitsPage();
    void helpPage();
    void reviewPages();
    // The buttons' pointer and visibility (initialisation step 7), their
    // pictures and the layout of every page's buttons (step 11), the
    // paper-list tabs (step 17).
    void buttonsPartOne();
    void buttonsPartTwo();
    void paperListTabs();

    // Navigation: a page shown with its top strip and the page tabs (tab
    // 16 to 19 the chosen one, 0 all enabled, -1 left as they are), its own
    // step, then the advert.
    void openPage(QLabel *page, int tab, void (FrmFengmian::*ownStep)());
    void exitAsked();
    void autoSelectUnit();
    void autoSelectTab();
    void paperTab(int index);
    // What a paper-list tab shows in the rows of the papers page.
    void paperTabRows(int index);
    // The papers page: its controls (constructor), the rows' titles and
    // first visibility (initialisation step 17), their layout and history
    // (step 19); the new random paper (button 21) and a row's start (70 to
    // 99).
    void makePapersPage();
    void paperRowTitles();
    void paperRows();
    void copyRowVisibility();
    void newRandomPaper();
    void startPaper(int row);
    void unitFilter(int index);
    void reviewFilter(int index);
    void unitGroupTab(int index);
    void selectUnit(int index);
    void showUnitGroup(bool first);
    void unitBars(double all, double notDone);
    void helpTopic(int index);
    // The start buttons of the units page (20) and of the review pages (22,
    // 24), and the review pages' clear buttons (23, 25).
    void unitPractice();
    void reviewPractice(int index);
    void clearReviewList(int index);

    // A picture file into a button or a label; a missing or unreadable file
    // leaves the control as it was and is reported under `tag`, once per file
    // while the cover lives.
    bool setButtonPicture(int index, const QString &name, const QString &tag);
    bool setLabelPicture(QLabel *label, const QString &name, const QString &tag);
    // The bars' heights in run-time twips, kept when a selection has no
    // questions.
    double doneBarTw_ = 0, notDoneBarTw_ = 0;
    QPixmap background_;
};
