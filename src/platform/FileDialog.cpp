#include "FileDialog.h"

#include "Dialogs.h"

#include <QFileInfo>

TQtFilter QtFilter(const QString& filter, int filterIndex) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the description's last brackets; most descriptions
        // already end with them.
        const QString bracketed = QLatin1Char('(') + patterns + QLatin1Char(')');
        filters.append(description.endsWith(bracketed)
                           ? description
                           : description + QLatin1Char(' ') + bracketed);
    }
    const qsizetype selected = std::max(filterIndex, 1) - 1;
    return {filters.join(QStringLiteral(";;")), filters.value(selected)};
}

namespace {
TFileDialogRequest RequestFrom(const TOpenDialog& dialog) {
    const TQtFilter filter = QtFilter(dialog.Filter, dialog.FilterIndex);
    TFileDialogRequest request;
    request.Title = dialog.Title;
    request.Filter = filter.Filters;
    request.SelectedFilter = filter.Selected;
    request.Folder = dialog.FileName.isEmpty() ? QString() : QFileInfo(dialog.FileName).path();
    request.DefaultSuffix = dialog.DefaultExt.startsWith(QLatin1Char('.'))
                                ? dialog.DefaultExt.mid(1)
                                : dialog.DefaultExt;
    return request;
}
} // namespace

TOpenDialog::TOpenDialog(QObject* parent) : QObject(parent) {}

bool TOpenDialog::Execute(QWidget* parent) {
    const std::optional<QString> chosen = Dialogs().OpenFileName(parent, RequestFrom(*this));
    if (!chosen)
        return false;
    FileName = *chosen;
    return true;
}

TSaveDialog::TSaveDialog(QObject* parent) : TOpenDialog(parent) {}

bool TSaveDialog::Execute(QWidget* parent) {
    TFileDialogRequest request = RequestFrom(*this);
    request.ConfirmOverwrite = OverwritePrompt;
    const std::optional<QString> chosen = Dialogs().SaveFileName(parent, request);
    if (!chosen)
        return false;
    FileName = *chosen;
    return true;
}
