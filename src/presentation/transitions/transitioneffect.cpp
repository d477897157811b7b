#include "transitioneffect.h"

#include "presentation/transitions/abortinput.h"
#include "presentation/transitions/renderlayer.h"
#include "presentation/transitions/transitiondata.h"
#include "presentation/transitions/transitionlist.h"
#include "presentation/transitions/transitionpictures.h"

#include <QCoreApplication>
#include <QWidget>
#include <optional>

namespace {

bool inProgress = false;

void fire(const TTransitionEffect::TransitionEvent& event, TTransitionEffect* effect)
{
    if (event)
        event(effect);
}

} // namespace

bool transitionInProgress()
{
    return inProgress;
}

TTransitionEffect::TTransitionEffect(QObject* parent) : QObject(parent) {}

TTransitionEffect::~TTransitionEffect()
{
    release();
    if (list_)
        list_->remove(this);
}

void TTransitionEffect::setTimeSource(TTEChrono::TimeSource source)
{
    abortChrono_.setTimeSource(std::move(source));
}

bool TTransitionEffect::prepare(QWidget* target, const QRect& area)
{
    if (!Enabled || inProgress || prepared() || !target || !target->isVisible())
        return false;
    const QRect onScreen(target->mapToGlobal(area.topLeft()), area.size());
    if (onScreen.isEmpty() || !onAnyScreen(onScreen))
        return false;

    inProgress = true;
    holdsFlag_ = true;
    target_ = target;
    area_ = area;
    try {
        oldPicture_ = pictureBehind(target, onScreen);
        layer_ = new TTERenderLayer(target, area);
        layer_->hold(oldPicture_);
    } catch (...) {
        release();
        throw;
    }
    return true;
}

void TTransitionEffect::execute()
{
    if (!prepared())
        return;
    std::optional<TTETransitionData> data;
    std::exception_ptr failure;
    try {
        if (layer_)
            layer_->waitForScreen();
        followTargetSize();
        fire(OnBeforeTransition, this);
        data.emplace(oldPicture_, captureTarget(), layer_.data());
        play(*data);
    } catch (...) {
        failure = std::current_exception();
    }
    removeRenderLayer();
    release();
    if (failure)
        std::rethrow_exception(failure);
    fire(OnAfterTransition, this);
}

void TTransitionEffect::release()
{
    removeRenderLayer();
    oldPicture_ = QImage();
    target_.clear();
    if (holdsFlag_) {
        holdsFlag_ = false;
        inProgress = false;
    }
}

void TTransitionEffect::play(TTETransitionData& data)
{
    fire(OnStartTransition, this);
    aborted_ = false;
    abortChrono_.start();
    std::exception_ptr failure;
    try {
        run(data);
    } catch (...) {
        failure = std::current_exception();
    }
    abortChrono_.stop();
    fire(OnEndTransition, this);
    if (failure)
        std::rethrow_exception(failure);
}

bool TTransitionEffect::abortQuery()
{
    if (aborted_)
        return true;
    const bool watchInput = AbortOnClick || AbortOnEscape;
    if ((!watchInput && !OnAbortQuery) || abortChrono_.milliseconds() <= AbortQueryIntervalMs)
        return false;
    if (watchInput) {
        AbortInputWatch input(layer_.data());
        QCoreApplication::processEvents();
        aborted_ = (AbortOnClick && input.leftClick) || (AbortOnEscape && input.escape);
    }
    if (OnAbortQuery)
        OnAbortQuery(this, this, aborted_);
    abortChrono_.start();
    return aborted_;
}

void TTransitionEffect::update(TTETransitionData& data)
{
    if (data.output && !data.changed.isEmpty())
        data.output->showFrame(data.work, data.changed);
    data.changed = QRect();
}

QImage TTransitionEffect::captureTarget()
{
    QWidget* target = target_.data();
    if (!target)
        return oldPicture_;
    // The target is painted as it will look, without the layer over it.
    TTERenderLayer* layer = layer_.data();
    const bool covering = layer && layer->isVisible();
    if (covering)
        layer->hide();
    const QImage picture = renderWidgetArea(target, area_);
    if (covering) {
        layer->show();
        layer->raise();
    }
    return picture;
}

void TTransitionEffect::followTargetSize()
{
    // The window system may have given the window another size as it put it
    // on the screen (a Wayland compositor's full screen): the transition
    // covers the window as it now is.
    QWidget* target = target_.data();
    TTERenderLayer* layer = layer_.data();
    if (!target || !layer || area_ != QRect(QPoint(0, 0), area_.size()) ||
        target->size() == area_.size())
        return;
    area_ = target->rect();
    oldPicture_ = oldPicture_.scaled(area_.size());
    layer->setGeometry(QRect(target->mapTo(target->window(), QPoint(0, 0)), area_.size()));
    layer->hold(oldPicture_);
}

void TTransitionEffect::removeRenderLayer()
{
    // The window under the layer is painted in the same update as the layer
    // goes: nothing else shows in between.
    delete layer_.data();
    if (target_)
        target_->update();
}
