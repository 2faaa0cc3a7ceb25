#pragma once
// The program's own confirmation box: frameless, topmost and modal, drawn from
// pictures of the data folder, with a title, an icon, a prompt and three
// picture buttons (confirm LblClick_1, dismiss LblClick_0, close LblClick_3).
// Its only answer is fnd::MsgResult: 1 when the confirm button was clicked,
// 0 when the box closed any other way.
//
// Asking in one call:
//   if (FrmKVMSGBOX::ask(title, QStringLiteral("l20071"), prompt) == 1) ...
// or step by step (the first touch of the box lays it out):
//   FrmKVMSGBOX::get().LblTitle->setText(title);
//   FrmKVMSGBOX::get().setIcon(QStringLiteral("l20072"));
//   FrmKVMSGBOX::get().setPrompt(prompt);
//   FrmKVMSGBOX::showModal();
//   if (fnd::MsgResult == 1) ...
//
// The box sets MsgResult to 0 itself when it appears, so a caller never reads
// the answer of an earlier box. Closing destroys it; the next use lays out a
// fresh box with the default texts and no icon.
//
// Tests answer it by clicking its real buttons once it is on screen (a
// single-shot timer armed before the modal call; see tests/support).

#include "foundation/ui/picturedialog.h"

#include <array>

class QLabel;
class kvelButton;

class FrmKVMSGBOX : public fnd::PictureWindow<FrmKVMSGBOX>
{
    Q_OBJECT
    friend class Form<FrmKVMSGBOX>;

public:
    // Sets title, icon (a data-folder picture name such as "l20071" or
    // "l20072"; a missing picture shows no icon) and prompt, shows the box
    // modally and returns MsgResult.
    static qint16 ask(const QString &title, const QString &iconName, const QString &prompt);

    // Shows the box (loading it when needed) modally; returns MsgResult once
    // it has closed.
    static qint16 showModal();

    void setIcon(const QString &iconName);
    // Line breaks may be CR LF.
    void setPrompt(const QString &text);

    // ImgLogo1 and lblMove come with the frame.
    QLabel *LblTitle;
    QLabel *LblPrompt;
    QLabel *Image1;
    std::array<kvelButton *, 4> LblClick{};

protected:
    void showEvent(QShowEvent *e) override;

private:
    FrmKVMSGBOX();
    void formLoad();
    void LblClick_Click(int index);
};
