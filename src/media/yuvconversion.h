#pragma once

// Turning a decoded video frame into a picture with the colours it was
// encoded with. Qt 6.4's own conversion shifts the colours of full-range
// (JPEG) frames, which makes a clip's rectangle stand out from the scene
// picture around it; the game's clips are full-range MJPEG, so planar and
// semi-planar YUV frames are converted here with the frame's own matrix and
// range. Other formats go through Qt's conversion.

#include <QImage>

class QVideoFrame;

namespace media {

QImage frameToImage(const QVideoFrame& frame);

} // namespace media
