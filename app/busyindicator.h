#pragma once
// The small spinning busy animation shown while a view loads.

#include <QWidget>

class QTimer;

class BusyIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget *parent = nullptr);
    void start();   // show and animate
    void stop();    // hide and stop
    bool running() const;
    QSize sizeHint() const override { return {22, 22}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QTimer *m_timer;
    int m_angle = 0;
};
