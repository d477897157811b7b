#include "traillayout.h"

namespace {

// float -> int the way the layout always did it: toward zero.
int trunc(float value)
{
    return static_cast<int>(value);
}

} // namespace

TrailLayout computeTrailLayout(int screenWidth, int screenHeight)
{
    TrailLayout l;
    l.VScale = static_cast<float>(screenHeight) / 768.0f;
    l.HScale = static_cast<float>(screenWidth) / 1024.0f;
    // 607 is the sum of the five button columns: 110 + 110 + 129 + 129 + 129.
    l.gap = (screenWidth - 607) / 6;
    l.rowTop = 50;
    l.picH = 450;
    l.barH = 138;
    l.picW = 600;

    if (l.VScale > 1) {
        l.picH = trunc(450 * l.VScale);
        l.picW = trunc(600 * l.HScale);
        l.barH = trunc(138 * l.VScale);
    }
    l.PicLeft = (screenWidth - l.picW) / 2;
    l.PicTop = (screenHeight - l.picH - l.barH) / 2;
    if (screenHeight < 768) {
        l.barH = 100;
        l.rowTop = 10;
        l.PicTop = 24;
    }

    l.IPicLeft = trunc(350 * l.HScale);
    l.IPicTop = trunc(249 * l.VScale);
    l.IL1 = {l.IPicLeft + 20, l.IPicTop + 40};
    l.IL2 = {l.IPicLeft + 20, l.IPicTop + 110};

    l.FishCaught = {l.PicLeft - 100, l.PicTop};
    l.Yes1 = {l.PicLeft + l.picW - 100, l.PicTop + 150};
    l.No1 = {l.PicLeft + l.picW - 100, l.PicTop + 190};
    l.Dlabel = {l.PicLeft, l.PicTop};
    l.Hints = {l.PicLeft, trunc(570 * l.VScale)};
    l.FishPanel = {l.PicLeft + 65, l.PicTop + 60};

    l.EndLabelWidth = trunc(800 * l.HScale);
    l.EndLabelTop = trunc(40 * l.VScale);
    l.EndLabel2Top = trunc(210 * l.VScale);
    if (l.HScale < 1)
        l.EndLabelFontSize = 12;

    l.Visit = {l.gap, l.rowTop + 3};
    l.Look = {l.gap, l.rowTop + 40};
    l.Continue = {2 * l.gap + 110, l.rowTop + 3};
    l.Exit1 = {2 * l.gap + 110, l.rowTop + 40};
    l.BtnMap = {3 * l.gap + 220, l.rowTop};
    l.BtnParty = {4 * l.gap + 349, l.rowTop};
    l.BtnInv = {5 * l.gap + 478, l.rowTop};

    l.PartyPanelLeft = screenWidth - 300;
    l.Map = {screenWidth / 2 - 314, 40};
    l.Rod = {l.PicLeft + l.picW, l.PicTop + l.picH - 300};

    l.Caption = {l.PicLeft, l.PicTop};
    if (l.VScale > 1) {
        l.CaptionWidth = l.picW;
        l.CaptionFontSize = 12;
    }

    l.DchoiceLeft = l.PicLeft;
    if (l.VScale >= 1) {
        l.DchoiceScaled = true;
        l.DchoiceTop = trunc(600 * l.VScale);
        l.DchoiceWidth = l.picW;
        l.DchoiceHeight = l.barH;
        l.DC1Top = l.barH / 5;
        l.DC2Top = 2 * (l.barH / 5);
        l.DC3Top = 3 * (l.barH / 5);
    }
    return l;
}
