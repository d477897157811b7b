#pragma once

// Where the trail screen's controls go on a screen of a given size. The
// scene picture keeps its 600 x 450 design size on screens up to 768 pixels
// high and grows with taller ones; everything else is placed relative to the
// picture or to the screen. Floats are 32-bit and every scaling truncates
// toward zero, as the layout has always been computed.

#include <QPoint>
#include <QRect>

struct TrailLayout {
    float VScale = 0;
    float HScale = 0;
    int picW = 600;
    int picH = 450;
    int barH = 138;
    int gap = 0;
    int rowTop = 50;
    int PicLeft = 0;
    int PicTop = 0;
    int IPicLeft = 0;
    int IPicTop = 0;

    QPoint IL1;
    QPoint IL2;
    QPoint FishCaught;
    QPoint Yes1;
    QPoint No1;
    QPoint Dlabel;     // width picW
    QPoint Hints;      // minimum width picW
    QPoint FishPanel;
    int EndLabelWidth = 800;
    int EndLabelTop = 40;
    int EndLabel2Top = 210;
    int EndLabelFontSize = 0; // 0: keep the design font
    // The bottom bar; tops are relative to the bar.
    QPoint Visit, Look, Continue, Exit1, BtnMap, BtnParty, BtnInv;
    int PartyPanelLeft = 0;
    QPoint Map;
    QPoint Rod;
    QPoint Caption;
    int CaptionWidth = 0;      // 0: keep the design widths (600 up to 750)
    int CaptionFontSize = 0;   // 0: keep the design font
    int DchoiceLeft = 0;
    bool DchoiceScaled = false; // the rest below holds only when set
    int DchoiceTop = 0, DchoiceWidth = 0, DchoiceHeight = 0;
    int DC1Top = 0, DC2Top = 0, DC3Top = 0;

    QRect picture() const { return {PicLeft, PicTop, picW, picH}; }
};

// The layout for a window of the screen's width and height.
TrailLayout computeTrailLayout(int screenWidth, int screenHeight);
