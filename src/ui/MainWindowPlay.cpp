#include "UnitVE3Zezeva.h"

void TFrmVE3Zezeva::BtnPlayStartClick(QObject*) {}

void TFrmVE3Zezeva::BtnStopClick(QObject*) {}

void TFrmVE3Zezeva::TimerPosTimer(QObject*) {}
