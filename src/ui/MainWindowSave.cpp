#include "UnitVE3Zezeva.h"

void TFrmVE3Zezeva::BtnSaveMp3Click(QObject*) {}
