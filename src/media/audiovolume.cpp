#include "audiovolume.h"

#include <algorithm>

namespace media {

AudioVolume& AudioVolume::instance()
{
    static AudioVolume volume;
    return volume;
}

void AudioVolume::setPercent(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == percent_)
        return;
    percent_ = percent;
    emit changed();
}

} // namespace media
