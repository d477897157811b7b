#include "transitioneffect.h"

#include "presentation/transitions/abortinput.h"
#include "presentation/transitions/renderwindow.h"
#include "presentation/transitions/screencapture.h"
#include "presentation/transitions/transitiondata.h"
#include "presentation/transitions/transitionlist.h"

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
        // The copy of the screen is taken before the render window covers it.
        oldPicture_ = captureScreenArea(onScreen);
        window_ = std::make_unique<TTERenderWindow>(onScreen);
        window_->hold(oldPicture_);
        window_->showOverArea();
    } catch (...) {
        window_.reset();
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
        fire(OnBeforeTransition, this);
        data.emplace(oldPicture_, captureTarget(), window_.get());
        play(*data);
    } catch (...) {
        failure = std::current_exception();
    }
    // The window keeps what it shows now: the complete new picture after a
    // run, the old one if the run never started.
    if (window_)
        window_->hold(data ? data->newPicture : oldPicture_);
    removeRenderWindow(!failure);
    release();
    if (failure)
        std::rethrow_exception(failure);
    fire(OnAfterTransition, this);
}

void TTransitionEffect::release()
{
    window_.reset();
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
        AbortInputWatch input(window_.get());
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

QImage TTransitionEffect::captureTarget() const
{
    if (!target_)
        return oldPicture_;
    return renderWidgetArea(target_, area_);
}

void TTransitionEffect::removeRenderWindow(bool untilTargetShown)
{
    if (!window_)
        return;
    // A window being shown reaches the screen after its transition: the
    // render window, showing the window's own picture, covers it until then.
    QWidget* target = target_;
    if (untilTargetShown && target) {
        window_.release()->removeWhenCovered(target);
        target->update();
    } else {
        window_.reset();
        if (target)
            target->update();
    }
}
