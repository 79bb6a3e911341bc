#pragma once

#include "mediaserver/rendererstatus.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class TvStreamer;

// "Stream to ...": the file handed over, the TVs found (the one chosen last
// first), and once one plays, its state and position with pause, stop and
// seek. With no TV found it says what to check.
class TvPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TvPanel(TvStreamer *streamer, QWidget *parent = nullptr);

private:
    void listRenderers();
    void showStatus(const RendererStatus &status);
    void showPhase();
    void playChosen();

    TvStreamer *m_streamer;
    QLabel *m_file;
    QListWidget *m_renderers;
    QLabel *m_none;
    QPushButton *m_play;
    QLabel *m_state;
    QPushButton *m_pause;
    QPushButton *m_stop;
    QSlider *m_position;
    QString m_message;
};
