#pragma once
// Picture control that can run or stop the animation of a GIF. Other
// pictures (PNG, JPEG, BMP) are shown still.

#include <QLabel>

class QMovie;
class QBuffer;

class TGifResim : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(bool Animate READ Animate WRITE setAnimate)
public:
    explicit TGifResim(QWidget *owner = nullptr);
    ~TGifResim() override;

    bool Animate() const { return FAnimate; }
    // Runs or stops the GIF the control holds now; a GIF loaded later starts
    // still and is not switched by this earlier setting.
    void setAnimate(bool value);

    void GosterAnim();   // Animate, then show
    void GizleDurdur();  // hide, then stop

    // Loads a picture recognised from its bytes; false leaves the old one.
    bool loadPicture(const QByteArray &bytes);
    bool holdsGif() const;
    bool isAnimating() const;
    QMovie *gif() const { return m_movie; }

private:
    void dropMovie();
    bool FAnimate = false;
    QMovie *m_movie = nullptr;
    QBuffer *m_gifData = nullptr;
};
