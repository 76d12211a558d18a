#pragma once

#include <QObject>
#include <QStringView>

// True when both names are equal apart from the case of ASCII letters.
bool SameTextAscii(QStringView a, QStringView b);

// The component of a form with the given name, ignoring ASCII case; the form itself does not
// count. Nullptr when there is none.
QObject* FindComponent(const QObject* form, QStringView name);
