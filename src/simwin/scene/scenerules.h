#pragma once
// Where the demonstration window's scene set-up departs from the simulated
// window's. Both windows build their scenes through one set of stages; each
// departure is a named rule here, read where it acts (the pure stages of
// this folder and the window's shared scene code). The simulated window
// follows none of them.

namespace scene {

struct SceneRules
{
    // ---- Order
    // The question window topmost (not shown), then the window itself out of
    // the topmost band; the simulated window puts itself on top instead, and
    // again at the end of the set-up.
    bool leaveTopmostBand = false;

    // ---- Per-step resets
    // The four bar overlay images are emptied at the start.
    bool emptyOverlaysFirst = false;
    // The drag outline Shape6 becomes 10 x 10 unscaled twips instead of
    // being hidden.
    bool shape6SizedNotHidden = false;

    // ---- Text1
    // The caret goes after the initial text, nothing selected (the simulated
    // window selects the whole text).
    bool caretAfterText = false;
    // Text colour digit 3 is (85, 160, 153); the simulated window leaves the
    // colour for every digit above 2.
    bool textColour3 = false;

    // ---- Tab strips
    // A tab step also hides Shape4.
    bool tabStepHidesShape4 = false;

    // ---- Operation code
    // "9999" shows "操作成功！" in LHelp, hides Shape1, arms the end and
    // ends the set-up: no completion, no success label, nothing after it.
    bool finalSceneEndsSetUp = false;
    // The typing steps' own wordings: "0025" gets no prefix, "0028" its
    // wording with the red box and the edit-line box Text4; the "002" codes
    // keep the hint as the text to type.
    bool demoTypingHints = false;
    // List code "L000" lists the answer-text file's last line, and a missing
    // answer file gives one empty item.
    bool listReadsToTheEnd = false;

    // ---- Bars
    // The bar cells and the pressed-picture images lie on the window itself
    // (in window twips) instead of inside their bar boxes.
    bool cellsOnWindow = false;
    // Only "A" and "B" show bars, read from characters 6-7 and again from
    // 4-5 (the simulated window: "A", "B" or "C" from 6-7 alone).
    bool barsFromBothFields = false;
};

inline constexpr SceneRules SimulatedWindowRules{};
inline constexpr SceneRules DemoWindowRules{
    .leaveTopmostBand = true,
    .emptyOverlaysFirst = true,
    .shape6SizedNotHidden = true,
    .caretAfterText = true,
    .textColour3 = true,
    .tabStepHidesShape4 = true,
    .finalSceneEndsSetUp = true,
    .demoTypingHints = true,
    .listReadsToTheEnd = true,
    .cellsOnWindow = true,
    .barsFromBothFields = true,
};

} // namespace scene
