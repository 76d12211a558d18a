#include "UnitVE3Zezeva.h"

void TFrmVE3Zezeva::Label28Click(QObject*) {}

void TFrmVE3Zezeva::PM_EnglishClick(QObject*) {}
