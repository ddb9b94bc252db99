#include "core/KeepEdits.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

KeepEdits askToKeepEdits(QWidget* window, const QString& question)
{
    QMessageBox box(QMessageBox::Question, window->windowTitle(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("KeepEdits", "&Keep"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return KeepEdits::Keep;
    case QMessageBox::Discard:
        return KeepEdits::Discard;
    default:
        return KeepEdits::Cancel;
    }
}
