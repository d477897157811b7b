#include "captionsize.h"

#include "translatedtext.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QtMath>

namespace platform {

namespace {

// What a following label remembers of its normal size.
constexpr const char* NormalPixelSize = "kelvarinCaptionPixelSize";
constexpr const char* Fit = "kelvarinCaptionFit";

void keepInsideWindow(QLabel* label)
{
    const QWidget* window = label->window();
    if (window == label)
        return;
    const QRect onWindow(label->mapTo(window, QPoint(0, 0)), label->size());
    const int overRight = onWindow.right() - (window->width() - 1);
    const int overBottom = onWindow.bottom() - (window->height() - 1);
    const int left = overRight > 0 ? std::min(overRight, onWindow.left()) : 0;
    const int up = overBottom > 0 ? std::min(overBottom, onWindow.top()) : 0;
    label->move(label->pos() - QPoint(left, up));
}

void applySize(QLabel* label)
{
    QFont font = label->font();
    font.setPixelSize(CaptionSize::instance().pixelSize(label->property(NormalPixelSize).toInt()));
    label->setFont(font);
    fitCaption(label);
}

} // namespace

CaptionSize& CaptionSize::instance()
{
    static CaptionSize setting;
    return setting;
}

void CaptionSize::setSize(Size size)
{
    if (size == size_)
        return;
    size_ = size;
    emit changed(size_);
}

double CaptionSize::factorOf(Size size)
{
    switch (size) {
    case Large:
        return 1.25;
    case Larger:
        return 1.5;
    case Normal:
        break;
    }
    return 1.0;
}

int CaptionSize::pixelSize(int normal) const
{
    return qRound(normal * factor());
}

void CaptionSize::larger()
{
    setSize(size_ == Normal ? Large : Larger);
}

void CaptionSize::smaller()
{
    setSize(size_ == Larger ? Large : Normal);
}

void addCaptionSizeKeys(QWidget* window)
{
    auto& setting = CaptionSize::instance();
    const auto add = [window](const QKeySequence& keys, auto change) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, change);
    };
    add(QKeySequence::ZoomIn, [&setting] { setting.larger(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [&setting] { setting.larger(); });
    add(QKeySequence::ZoomOut, [&setting] { setting.smaller(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [&setting] { setting.setSize(CaptionSize::Normal); });
}

void addCaptionSizeItems(QMenu* menu)
{
    const struct {
        CaptionSize::Size size;
        const char* caption;
        const char* name;
    } choices[] = {
        {CaptionSize::Normal, QT_TRANSLATE_NOOP("Menu", "&Normal Captions"), "NormalCaptions"},
        {CaptionSize::Large, QT_TRANSLATE_NOOP("Menu", "&Large Captions"), "LargeCaptions"},
        {CaptionSize::Larger, QT_TRANSLATE_NOOP("Menu", "La&rger Captions"), "LargerCaptions"},
    };
    menu->addSeparator();
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const auto& choice : choices) {
        QAction* item = addItem(menu, choice.name, choice.caption);
        item->setCheckable(true);
        item->setChecked(CaptionSize::instance().size() == choice.size);
        group->addAction(item);
        const CaptionSize::Size size = choice.size;
        QObject::connect(item, &QAction::triggered, item,
                         [size] { CaptionSize::instance().setSize(size); });
        QObject::connect(&CaptionSize::instance(), &CaptionSize::changed, item,
                         [item, size](CaptionSize::Size now) { item->setChecked(now == size); });
    }
}

void followCaptionSize(QLabel* label, CaptionFit fit)
{
    const QFont font = label->font();
    const int normalPixels = font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF());
    label->setProperty(NormalPixelSize, normalPixels);
    label->setProperty(Fit, static_cast<int>(fit));
    QObject::connect(&CaptionSize::instance(), &CaptionSize::changed, label,
                     [label] { applySize(label); });
    if (CaptionSize::instance().size() != CaptionSize::Normal)
        applySize(label);
}

void fitCaption(QLabel* label)
{
    if (!label->property(Fit).isValid() ||
        label->property(Fit).toInt() != static_cast<int>(CaptionFit::GrowInWindow))
        return;
    if (label->wordWrap()) {
        label->resize(label->width(), label->heightForWidth(label->width()));
    } else {
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    }
    keepInsideWindow(label);
}

} // namespace platform
