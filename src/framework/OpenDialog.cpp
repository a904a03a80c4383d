#include "OpenDialog.h"

#include "app/FileTypes.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

QString showOpenDialog(const QString &fileTypeName, const QString &title, const QString &prompt,
                       const QString &startFolder)
{
    QFileDialog dialog(QApplication::activeWindow(), title, startFolder);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(FileTypes::nameFilters(fileTypeName));
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        auto *promptLabel = new QLabel(prompt, &dialog);
        promptLabel->setObjectName(QStringLiteral("PromptText"));
        grid->addWidget(promptLabel, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
