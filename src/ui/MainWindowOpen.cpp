#include "UnitVE3Zezeva.h"

void TFrmVE3Zezeva::BtnOpenMp3Click(QObject*) {}

void TFrmVE3Zezeva::RzCheckBox1Click(QObject*) {}
