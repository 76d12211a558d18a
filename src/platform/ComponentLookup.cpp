#include "ComponentLookup.h"

namespace {
char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}
} // namespace

bool SameTextAscii(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i].unicode()) != FoldAscii(b[i].unicode()))
            return false;
    return true;
}

QObject* FindComponent(const QObject* form, QStringView name) {
    if (name.isEmpty())
        return nullptr;
    for (QObject* child : form->findChildren<QObject*>())
        if (SameTextAscii(child->objectName(), name))
            return child;
    return nullptr;
}
