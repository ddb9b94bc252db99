#include "alarm/ChooserButtons.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

QPushButton* addChooserButtons(QDialog& dialog, QBoxLayout& layout)
{
    auto* ok = new QPushButton(QCoreApplication::translate("ChooserButtons", "OK"), &dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel =
        new QPushButton(QCoreApplication::translate("ChooserButtons", "Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout.addLayout(row);
    return ok;
}
