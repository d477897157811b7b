#pragma once

// The input that can end a run: while it watches, a left click on the render
// layer and the Escape key are noted, and no mouse or key input reaches the
// game's windows (a half-shown window takes no clicks).

#include <QObject>
#include <QPointer>

class QMouseEvent;
class QWidget;

class AbortInputWatch : public QObject {
    Q_OBJECT

public:
    explicit AbortInputWatch(QWidget* renderLayer);
    ~AbortInputWatch() override;

    bool leftClick = false;
    bool escape = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onLayer(QObject* watched, const QMouseEvent& press) const;

    QPointer<QWidget> renderLayer_;
};
