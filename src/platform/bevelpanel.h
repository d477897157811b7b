#pragma once

// A panel with the raised or lowered bevels of the game's panels and an
// optional caption centred in it.

#include <QColor>
#include <QWidget>

namespace platform {

class BevelPanel : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { None, Raised, Lowered, Space };

    explicit BevelPanel(QWidget* parent = nullptr);

    void setBevels(Bevel outer, Bevel inner, int bevelWidth, int borderWidth);
    void setSingleBorderLine(bool on);
    void setColor(const QColor& color);
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    bool borderLine_ = false;
    QColor color_ = QColor(192, 192, 192);
    QString caption_;
};

} // namespace platform
